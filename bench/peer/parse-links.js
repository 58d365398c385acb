// Parsing peer: loads each result page with cheerio and collects its link targets,
// the way a present-day rank tracker reads a result page. Prints one JSON line per
// page: {"page": name, "bytes": n, "links": k, "median_us": t, "min_us": a, "max_us": b}.
// Usage: node parse-links.js PAGE_DIR [REPEATS]
'use strict';
const fs = require('fs');
const path = require('path');
const cheerio = require('cheerio');

const dir = process.argv[2];
const repeats = Number(process.argv[3] || 30);
if (!dir) {
  console.error('usage: node parse-links.js PAGE_DIR [REPEATS]');
  process.exit(2);
}

function readLinks(html) {
  const $ = cheerio.load(html);
  const links = [];
  $('a[href]').each((_, a) => links.push($(a).attr('href')));
  return links;
}

for (const name of fs.readdirSync(dir).sort()) {
  // Pages are single-byte text; latin1 keeps every byte as one character.
  const html = fs.readFileSync(path.join(dir, name), 'latin1');
  let links = readLinks(html);  // warm-up
  const times = [];
  for (let i = 0; i < repeats; ++i) {
    const start = process.hrtime.bigint();
    links = readLinks(html);
    times.push(Number(process.hrtime.bigint() - start) / 1000);
  }
  times.sort((a, b) => a - b);
  console.log(JSON.stringify({
    page: name, bytes: html.length, links: links.length,
    median_us: times[Math.floor(times.length / 2)], min_us: times[0], max_us: times[times.length - 1],
  }));
}
