// The functional signature computed by the WebAssembly build equals the native one.
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import path from "node:path";
import { test } from "node:test";

import { repository, wasmFolder } from "./support.mjs";

test("the signature of the WebAssembly build equals bench/signature.expected", async () => {
  const { instance } = await WebAssembly.instantiate(await readFile(path.join(wasmFolder, "tulvo-signature.wasm")), {});
  instance.exports._initialize();
  const signature = BigInt.asUintN(64, instance.exports.signature()).toString(16).padStart(16, "0");
  const expected = (await readFile(path.join(repository, "bench/signature.expected"), "utf8")).trim();
  assert.equal(signature, expected);
});
