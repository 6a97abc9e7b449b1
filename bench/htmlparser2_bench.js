// The reference tokenizer for the scanner benchmark: htmlparser2's Parser over
// every .htm and .html page of a folder, counting events. Pages are read first (as latin1, one
// character per byte, like the scanner's bytes); the timed part is the parse.
// usage: node htmlparser2_bench.js DIR [--reps R]   (NODE_PATH must reach htmlparser2)
// Prints "bytes", "events", "token_chars" and "htmlparser2_mbps" (MB = 10^6 bytes, best of R).
'use strict';
const fs = require('fs');
const path = require('path');
const { Parser } = require('htmlparser2');

const dir = process.argv[2];
const repsAt = process.argv.indexOf('--reps');
const reps = repsAt > 0 ? Math.max(1, parseInt(process.argv[repsAt + 1], 10)) : 3;
const names = fs.readdirSync(dir).filter((n) => n.endsWith('.htm') || n.endsWith('.html')).sort();
const pages = names.map((n) => fs.readFileSync(path.join(dir, n)).toString('latin1'));
const bytes = pages.reduce((s, p) => s + p.length, 0);

let best = Infinity;
let events = 0;
let chars = 0;
for (let r = 0; r < reps; ++r) {
  let count = 0;
  let tokenChars = 0;
  const handler = {
    onopentag(name, attribs) { ++count; tokenChars += name.length; for (const k in attribs) tokenChars += k.length + attribs[k].length; },
    onclosetag(name) { ++count; tokenChars += name.length; },
    ontext(t) { ++count; tokenChars += t.length; },
    oncomment(t) { ++count; tokenChars += t.length; },
    onprocessinginstruction(n, t) { ++count; tokenChars += t.length; },
    onerror() { ++count; },
  };
  const t0 = process.hrtime.bigint();
  for (const page of pages) {
    const parser = new Parser(handler, { decodeEntities: true });
    parser.write(page);
    parser.end();
  }
  const s = Number(process.hrtime.bigint() - t0) / 1e9;
  if (s < best) best = s;
  events = count;
  chars = tokenChars;
}
console.log(`bytes ${bytes}\nevents ${events}\ntoken_chars ${chars}\nhtmlparser2_mbps ${(bytes / best / 1e6).toFixed(1)}`);
