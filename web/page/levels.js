// The difficulties a player chooses from, weakest first. The order is the one the levels'
// round robins measured on 15x15 and on 20x20, which agree: each level up to 4 is
// stronger than the one before, and level 6 scores less than level 5, so level 5 is the
// strongest. The names say that order; the level number is shown beside them.
export const kDifficulties = [
  { level: 0, name: "Beginner" },
  { level: 1, name: "Easy" },
  { level: 2, name: "Casual" },
  { level: 3, name: "Medium" },
  { level: 4, name: "Hard" },
  { level: 6, name: "Expert" },
  { level: 5, name: "Master" },
];

// A newcomer's default: the middle of the seven, about even with the field.
export const kDefaultLevel = 3;

export function difficultyName(level) {
  const difficulty = kDifficulties.find((d) => d.level === level);
  return `${difficulty.name} (level ${level})`;
}

// Fills a select with the difficulties, weakest first, the given level chosen.
export function fillDifficulties(select, chosen) {
  for (const { level } of kDifficulties) select.add(new Option(difficultyName(level), String(level), false, level === chosen));
}
