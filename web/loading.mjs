// SPDX-License-Identifier: MIT
// Measures the phone's loading on Chromium's slow mobile profile (CPU 4x slower, 1.6 Mbit/s down,
// 150 ms round trips) over HTTP with gzip: the time from navigation to the first frame that shows
// a fee, on a first visit (a fresh browser context) and from the service worker (the same
// context, reloaded). With --against, another build of the site (say, the one before a change)
// is loaded in turn with this one, so that both meet the same load on the machine.
//
// node loading.mjs [--loads N] [--against OTHER_SITE_DIR]     (from web/, after scripts/web.sh and npm ci)
import { parseArgs } from 'node:util';
import { launchChromium, serveSite, siteDir, slowProfile } from './tests/browser.mjs';

const { values: options } = parseArgs({ options: { loads: { type: 'string', default: '9' }, against: { type: 'string' } } });
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Run in the page from its start: once parsed, the fee's box is watched; the first fee written
// there is shown by the next frame, after which a task records the time. Nothing polls the page.
function watchFee() {
  window.zqFeeShown = new Promise((resolve) => {
    document.addEventListener('readystatechange', () => {
      const fee = document.getElementById('fee');
      new MutationObserver((_, observer) => {
        if (/^\d/.test(fee.textContent)) {
          observer.disconnect();
          const written = performance.now();
          // The task runs first after the frame, ahead of any the page has queued meanwhile.
          requestAnimationFrame(() => scheduler.postTask(() => resolve({ written, shown: performance.now() }),
            { priority: 'user-blocking' }));
        }
      }).observe(fee, { subtree: true, childList: true, characterData: true });
    }, { once: true });
  });
}

async function timed(page, go) {
  await go();
  const { written, shown } = await page.evaluate(() => window.zqFeeShown);
  const paint = await page.evaluate(() => performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN);
  return { written, shown, paint };
}

// One first visit and one reload from the service worker, in a fresh context.
async function visit(browser, origin) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
    await page.evaluateOnNewDocument(watchFee);
    await slowProfile(page);
    const first = await timed(page, () => page.goto(`${origin}/`, { waitUntil: 'domcontentloaded' }));
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cached = await timed(page, () => page.reload({ waitUntil: 'domcontentloaded' }));
    return { first, cached };
  } finally {
    await context.close();
  }
}

const sites = [{ name: 'this build', dir: siteDir }, ...(options.against ? [{ name: 'against', dir: options.against }] : [])];
const browser = await launchChromium();
try {
  for (const site of sites) {
    Object.assign(site, await serveSite(site.dir), { runs: [] });
  }
  for (let i = 0; i < Number(options.loads); i++) {
    // Each round starts with the other site, so that neither always goes first.
    for (const site of i % 2 ? [...sites].reverse() : sites) {
      site.runs.push(await visit(browser, site.origin));
    }
  }
} finally {
  await browser.close();
  for (const site of sites) {
    site.server?.close();
  }
}

const figure = (values) => `${median(values).toFixed(0)} ms (min ${Math.min(...values).toFixed(0)}, max ${Math.max(...values).toFixed(0)})`;
for (const visitKind of ['first', 'cached']) {
  for (const site of sites) {
    const runs = site.runs.map((run) => run[visitKind]);
    console.log(`${visitKind === 'first' ? 'first visit' : 'from the service worker'}, ${site.name} (${site.dir}): ` +
      `fee shown ${figure(runs.map((r) => r.shown))}, written ${figure(runs.map((r) => r.written))}, ` +
      `first contentful paint ${median(runs.map((r) => r.paint)).toFixed(0)} ms, median of ${runs.length}`);
  }
  if (sites.length === 2) {
    const [mine, other] = sites.map((site) => median(site.runs.map((run) => run[visitKind].shown)));
    console.log(`  this build / against: ${(mine / other).toFixed(2)}`);
  }
}
