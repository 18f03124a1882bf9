// Shading of an analysis: every evaluated cell's band by the rank of its score, as the
// analysis tool shades its picture. Band 0 holds the ten best cells, bands 1 to 4 the
// quarters of the ranking; equal scores share a rank, and among equals the move comes first.

const kListed = 10;
const kQuarters = 4;

// Map from "x,y" to { band, rank, base, score, chosen } for every evaluated cell.
export function shadeAnalysis(analysis) {
  const { move, cells } = analysis;
  const isMove = (cell) => move === `${cell.x},${cell.y}`;
  const order = cells.map((cell, index) => ({ cell, index }));
  order.sort((a, b) => b.cell.score - a.cell.score || isMove(b.cell) - isMove(a.cell) || a.index - b.index);
  const shades = new Map();
  let rank = 1;
  order.forEach(({ cell }, i) => {
    if (i > 0 && cell.score !== order[i - 1].cell.score) rank = i + 1;
    const band = i < kListed ? 0 : 1 + Math.floor(((rank - 1) * kQuarters) / order.length);
    shades.set(`${cell.x},${cell.y}`, { band, rank, base: cell.base, score: cell.score, chosen: isMove(cell) });
  });
  return shades;
}
