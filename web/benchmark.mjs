// SPDX-License-Identifier: MIT
// Measures the web page: the site's size compressed, the time from navigation to the first fee
// on screen, and one computeFee call in the browser and under Node, for the same cases as the
// native benchmark (bench/compute_fee_bench.cpp).
//
// node benchmark.mjs [--loads N]     (from web/, after scripts/web.sh and npm ci)
import { readFileSync, readdirSync, statSync } from 'node:fs';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { gzipSync } from 'node:zlib';
import { launchChromium, loadCore, pageUrl, siteDir } from './tests/browser.mjs';

const { values: options } = parseArgs({ options: { loads: { type: 'string', default: '31' } } });
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

// The same cases as the native benchmark.
const cases = [
  ['property_scale', '1、财产案件', '1234567.89'],
  ['payment_order_third', '1、支付令、公示催告案件', '1234567.89'],
  ['bankruptcy_half', '2、破产案件', '1234567.89'],
  ['intellectual_property', '2、知识产权案件', '0'],
  ['divorce', '1、离婚案件', '350000'],
  ['personality', '3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件', '150000'],
  ['preservation', '8、申请涉外仲裁财产保全的案件', '250000'],
  ['enforcement', '1、公正执行案件', '12000000'],
  ['flat_fee', '5.申请共同海损理算', '100'],
  ['rejected_amount', '1、财产案件', '1万'],
];

// Median nanoseconds per call for each case: 15 rounds of 20000 calls, after a warm-up. Self-
// contained, so that it also runs inside the page.
async function timeCalls(list, loaded) {
  const core = loaded ?? await globalThis.CourtFee();
  const now = () => performance.now();
  const out = {};
  for (const [name, type, amount] of list) {
    for (let i = 0; i < 20000; i++) core.computeFee(type, amount);
    const rounds = [];
    for (let round = 0; round < 15; round++) {
      const start = now();
      for (let i = 0; i < 20000; i++) core.computeFee(type, amount);
      rounds.push(((now() - start) * 1e6) / 20000);
    }
    out[name] = [...rounds].sort((a, b) => a - b)[7];
  }
  return out;
}

function siteSize() {
  const files = [];
  const walk = (dir) => {
    for (const name of readdirSync(dir)) {
      const full = path.join(dir, name);
      statSync(full).isDirectory() ? walk(full) : files.push(full);
    }
  };
  walk(siteDir);
  // What a phone fetches over HTTP before its first fee; the rest follows it, or serves a page opened
  // from disk (courtfee-wasm.js, which the service worker leaves out).
  const firstFee = ['index.html', 'style.css', 'app.js', 'courtfee.js', 'courtfee.wasm'];
  const sums = { all: 0, firstFee: 0, worker: 0 };
  const rows = [];
  for (const file of files.sort()) {
    const body = readFileSync(file);
    const packed = gzipSync(body, { level: 9 }).length;
    const name = path.relative(siteDir, file);
    sums.all += packed;
    sums.firstFee += firstFee.includes(name) ? packed : 0;
    sums.worker += name === 'courtfee-wasm.js' ? 0 : packed;
    rows.push(`  ${name.padEnd(28)} ${kb(body.length).padStart(9)} ${kb(packed).padStart(9)}`);
  }
  console.log('Site, gzip -9:');
  console.log(rows.join('\n'));
  console.log(`  before the first fee over HTTP ${kb(sums.firstFee)}; the service worker's copy ${kb(sums.worker)}; ` +
    `the folder ${kb(sums.all)}`);
}

async function firstFee(browser, loads) {
  const shown = [];
  const painted = [];
  for (let i = 0; i < loads; i++) {
    const page = await browser.newPage();
    // As soon as the core is ready: type an amount, press 计算, and note when the frame with the
    // fee has been produced.
    await page.evaluateOnNewDocument(() => {
      document.addEventListener('courtfee-ready', () => {
        const amount = document.getElementById('txtBd');
        amount.value = '1234567.89';
        amount.dispatchEvent(new Event('input'));  // as typing does
        document.getElementById('Command1').click();
        window.feeComputedAt = performance.now();
        requestAnimationFrame(() => setTimeout(() => { window.feeShownAt = performance.now(); }, 0));
      });
    });
    await page.goto(pageUrl);
    await page.waitForFunction(() => window.feeShownAt !== undefined);
    const [fee, at, paint] = await page.evaluate(() => [document.getElementById('txtFysf').value, window.feeShownAt,
      performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN]);
    if (fee !== '15911.11') {
      throw new Error(`unexpected fee ${fee}`);
    }
    shown.push(at);
    painted.push(paint);
    await page.close();
  }
  console.log(`Navigation to the first fee shown, ${loads} loads from disk: median ${median(shown).toFixed(1)} ms ` +
    `(fastest ${Math.min(...shown).toFixed(1)}, slowest ${Math.max(...shown).toFixed(1)}); ` +
    `first contentful paint median ${median(painted).toFixed(1)} ms`);
}

async function browserCalls(browser) {
  const page = await browser.newPage();
  await page.goto(pageUrl);
  await page.waitForSelector('html[data-ready]');
  try {
    return await page.evaluate(timeCalls, cases);
  } finally {
    await page.close();
  }
}

siteSize();
const browser = await launchChromium();
try {
  await firstFee(browser, Number(options.loads));
  const inBrowser = await browserCalls(browser);
  const inNode = await timeCalls(cases, await loadCore());
  console.log('computeFee, median per call (ns):');
  console.log(`  ${'case'.padEnd(22)} ${'Chromium'.padStart(9)} ${'Node'.padStart(9)}`);
  for (const [name] of cases) {
    console.log(`  ${name.padEnd(22)} ${inBrowser[name].toFixed(0).padStart(9)} ${inNode[name].toFixed(0).padStart(9)}`);
  }
} finally {
  await browser.close();
}
