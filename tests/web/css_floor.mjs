// The page's style sheet against its browser floor (BROWSERSLIST_CONFIG):
// prints each feature that one of its browsers lacks, and fails if any.
// Through postcss, whose parser reads the sheet's comments as comments.
import { readFileSync } from "node:fs";
import postcss from "postcss";
import doiuse from "doiuse";

// Partial support that does not touch what the page uses of a feature.
const ignore = [
  "css-overflow", // lacks only "clip" and the two-value form: the page uses neither
  "css-display-contents", // drops buttons from the accessibility tree: only rows use it
  "css-clip-path", // only shapes for HTML: the page's is inset()
  "css-masks", // the prefixed mask properties, which the page does not use
  "css-resize", // iOS lets nothing be resized: the page resizes nothing
];
const file = process.argv[2];
const found = [];
await postcss([doiuse({ ignore, onFeatureUsage: (usage) => found.push(usage.message) })])
  .process(readFileSync(file, "utf8"), { from: file });
for (const message of found) console.log(message);
process.exit(found.length ? 1 : 0);
