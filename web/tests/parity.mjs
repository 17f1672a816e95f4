// SPDX-License-Identifier: MIT
// The WebAssembly core against the native one: every case goes through courtfee.mjs under Node
// and through `courtfee --batch`, and the answers must be the same bytes. The cases cover every
// type of the catalogue with the band edges of every scale, amounts of every size, and the
// number grammar's accepted and rejected forms, from a fixed seed.
//
// node tests/parity.mjs [--site DIR] [--courtfee PATH] [--cases N]
import { spawn } from 'node:child_process';
import { parseArgs } from 'node:util';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const { values: options } = parseArgs({
  options: {
    site: { type: 'string', default: path.join(root, 'build-web/site') },
    courtfee: { type: 'string', default: path.join(root, 'build/bin/courtfee') },
    cases: { type: 'string', default: '120000' },
  },
});

const { default: CourtFee } = await import(path.join(path.resolve(options.site), 'courtfee.mjs'));
const core = await CourtFee();

// mulberry32: a small seeded generator, so a failure can be replayed.
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}
const random = generator(20070401);
const pick = (items) => items[Math.floor(random() * items.length)];

const types = [0, 1].flatMap((cls) => core.kindsOf(cls).flatMap((kind) => core.typesOf(kind)));

// Every edge of every scale: the property scale's bands, divorce, personality rights,
// preservation (and its 5000 cap), enforcement, bankruptcy's 300000 cap.
const edges = [1000, 10000, 50000, 100000, 200000, 500000, 1000000, 2000000, 5000000, 10000000,
  20000000, 599500, 599600, 119800000];
const nearEdge = ['-0.01', '-0.005', '-0.001', '', '.001', '.005', '.01', '.5', '.995'];

const fullWidth = (text) => text.replace(/[0-9.,+\-eE]/g, (c) => String.fromCharCode(c.charCodeAt(0) + 0xfee0));
const fixedForms = ['', '0', '-0', '-5', '+5', ' 100 ', '\u3000100', '100\t', '1,000,000', '1,000.5', ',100',
  '100,', '1,,000', '1.5e6', '1.5E+6', '2e-3', '1e400', '-1e400', '1e-400', '4.9e-324', '1.7976931348623157e308',
  '1.8e308', '.5', '5.', '.', 'e5', '1e', '1e+', '0x10', '1万', '¥100', '１００００', '１，０００', '－５', '\u22125',
  'nan', 'NaN', 'inf', 'Infinity', '--5', '5-', '1 000', '1_000', '16.675', '25.005', '50.025', '0.005', '99999.995',
  '999999999999999.5', '123456789012345678901234567890', '0.1e1', '00010', '1e20', '1e15', '9007199254740993'];
const junkAlphabet = '0123456789.,+-eE \t\u3000０１２３４５６７８９．，＋－ｅ\u2212万元¥abc';

function randomAmount() {
  const roll = random();
  if (roll < 0.25) {
    return String(pick(edges) + Math.round((random() - 0.5) * 200)) + pick(nearEdge);
  }
  if (roll < 0.45) {
    const digits = 1 + Math.floor(random() * 12);
    const whole = String(Math.floor(random() * 10 ** digits));
    return random() < 0.5 ? whole : `${whole}.${String(Math.floor(random() * 1000)).padStart(3, '0').slice(0, 1 + Math.floor(random() * 3))}`;
  }
  if (roll < 0.55) {
    return `${(random() * 10).toFixed(1 + Math.floor(random() * 4))}e${Math.floor(random() * 40) - 10}`;
  }
  if (roll < 0.62) {
    return Math.floor(random() * 1e9).toLocaleString('en-US');
  }
  if (roll < 0.67) {
    return fullWidth(String(Math.floor(random() * 1e7)));
  }
  if (roll < 0.75) {
    return pick(fixedForms);
  }
  let junk = '';
  for (let n = 1 + Math.floor(random() * 8); n > 0; n--) {
    junk += pick([...junkAlphabet]);
  }
  return junk;
}

const count = Number(options.cases);
const cases = [];
for (const type of types) {
  for (const edge of edges) {
    for (const near of nearEdge) {
      cases.push([type, `${edge}${near}`]);
    }
  }
  for (const form of fixedForms) {
    cases.push([type, form]);
  }
}
while (cases.length < count) {
  cases.push([pick(types), randomAmount()]);
}

// What courtfee --batch writes for a case, from the module's answer.
function batchLine(type, amount) {
  const outcome = core.computeFee(type, amount);
  let note = '';
  if (outcome.message) {
    note = outcome.message.title === '计算错误' ? `计算错误：${outcome.message.prompt}` : outcome.message.prompt;
  }
  return `${type}\t${outcome.amountText}\t${outcome.feeText}\t${note}`;
}

function nativeAnswers(input) {
  return new Promise((resolve, reject) => {
    const child = spawn(options.courtfee, ['--batch'], { stdio: ['pipe', 'pipe', 'inherit'] });
    const chunks = [];
    child.stdout.on('data', (chunk) => chunks.push(chunk));
    child.on('error', reject);
    child.on('close', () => resolve(Buffer.concat(chunks).toString('utf8')));
    child.stdin.end(input);
  });
}

const native = (await nativeAnswers(cases.map(([type, amount]) => `${type}\t${amount}\n`).join(''))).split('\n');
native.pop();  // after the last line feed
if (native.length !== cases.length) {
  console.error(`courtfee --batch answered ${native.length} lines for ${cases.length} cases`);
  process.exit(1);
}
let differing = 0;
let priced = 0;
let refused = 0;
for (let i = 0; i < cases.length; i++) {
  const [type, amount] = cases[i];
  const web = batchLine(type, amount);
  if (web !== native[i]) {
    if (++differing <= 10) {
      console.error(`case ${i}: ${JSON.stringify(amount)}\n  native: ${JSON.stringify(native[i])}\n  wasm:   ${JSON.stringify(web)}`);
    }
  } else if (web.endsWith('\t')) {
    priced++;
  } else {
    refused++;
  }
}
console.log(`parity: ${cases.length} cases over ${types.length} types (${priced} priced, ${refused} refused or failed): ` +
  `${differing === 0 ? 'all identical' : `${differing} differ`}`);
process.exit(differing === 0 ? 0 : 1);
