// The drawer's state, kept across visits: whether it is open and the value of every
// control in it. A browser without storage, or storage holding something else, gives
// the page's defaults.
const kKey = "tulvo.drawer";
const kControls = ["seed", "overlay", "numbers", "watch-x", "watch-o", "speed"];

function read() {
  try {
    const stored = JSON.parse(localStorage.getItem(kKey));
    return stored && typeof stored === "object" ? stored : {};
  } catch {
    return {};
  }
}

function valueOf(control) { return control.type === "checkbox" ? control.checked : control.value; }

function assign(control, value) {
  if (control.type === "checkbox") control.checked = value === true;
  else if (typeof value === "string" && (control.tagName !== "SELECT" || [...control.options].some((o) => o.value === value))) {
    control.value = value;
  }
}

function save(drawer) {
  const state = { open: drawer.open };
  for (const id of kControls) state[id] = valueOf(document.getElementById(id));
  try {
    localStorage.setItem(kKey, JSON.stringify(state));
  } catch {
    // Storage full or refused: the state lasts for this visit only.
  }
}

// Restores the drawer's stored state, then saves it whenever it changes.
export function keepDrawer(drawer) {
  const stored = read();
  drawer.open = stored.open === true;
  for (const id of kControls) if (id in stored) assign(document.getElementById(id), stored[id]);
  drawer.addEventListener("toggle", () => save(drawer));
  drawer.addEventListener("change", () => save(drawer));
}
