// Reads an SGF file with an SGF parser from npm and prints what it found: the root
// properties SZ, PB, PW and RE, then one line per move, "B hh" or "W ii".
// Usage: node read_sgf.js PARSER_DIR FILE (PARSER_DIR holds node_modules/@sabaki/sgf)
const path = require('path');
const sgf = require(path.join(process.argv[2], 'node_modules', '@sabaki', 'sgf'));

const roots = sgf.parseFile(process.argv[3]);
if (roots.length !== 1) throw new Error('expected one game tree, found ' + roots.length);
let node = roots[0];
const lines = ['SZ ' + node.data.SZ, 'PB ' + node.data.PB, 'PW ' + node.data.PW, 'RE ' + node.data.RE];
while (node.children.length > 0) {
  node = node.children[0];
  for (const colour of ['B', 'W']) {
    if (node.data[colour]) lines.push(colour + ' ' + node.data[colour][0]);
  }
}
console.log(lines.join('\n'));
