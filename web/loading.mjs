// SPDX-License-Identifier: MIT
// Measures the phone's loading on Chromium's slow mobile profile (CPU 4x slower, 1.6 Mbit/s down,
// 150 ms round trips) over HTTP with gzip: the time from navigation to the fee on screen, on a
// first visit (a fresh browser context) and from the service worker (the same context, reloaded).
//
// node loading.mjs [--loads N]     (from web/, after scripts/web.sh and npm ci)
import { parseArgs } from 'node:util';
import { launchChromium, serveSite, slowProfile } from './tests/browser.mjs';

const { values: options } = parseArgs({ options: { loads: { type: 'string', default: '9' } } });
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Navigation start to the fee priced on screen, and to first contentful paint.
async function timed(page, url, reload) {
  await (reload ? page.reload({ waitUntil: 'domcontentloaded' }) : page.goto(url, { waitUntil: 'domcontentloaded' }));
  await page.waitForFunction(() => /^\d/.test(document.getElementById('fee').textContent));
  return page.evaluate(() => {
    const paint = performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN;
    return { fee: window.zqFeeShownAt ?? performance.now(), paint };
  });
}

const { server, origin } = await serveSite();
const browser = await launchChromium();
const first = [];
const cached = [];
try {
  for (let i = 0; i < Number(options.loads); i++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
    // The moment the fee is first drawn, seen by the page itself.
    await page.evaluateOnNewDocument(() => {
      new MutationObserver((_, observer) => {
        const fee = document.getElementById('fee');
        if (fee && /^\d/.test(fee.textContent)) {
          window.zqFeeShownAt = performance.now();
          observer.disconnect();
        }
      }).observe(document, { subtree: true, childList: true, characterData: true });
    });
    await slowProfile(page);
    first.push(await timed(page, `${origin}/`, false));
    await page.evaluate(() => navigator.serviceWorker.ready);
    cached.push(await timed(page, `${origin}/`, true));
    await context.close();
  }
} finally {
  await browser.close();
  server.close();
}
const line = (name, runs) => console.log(`${name}: fee shown ${median(runs.map((r) => r.fee)).toFixed(0)} ms ` +
  `(min ${Math.min(...runs.map((r) => r.fee)).toFixed(0)}, max ${Math.max(...runs.map((r) => r.fee)).toFixed(0)}), ` +
  `first contentful paint ${median(runs.map((r) => r.paint)).toFixed(0)} ms, median of ${runs.length}`);
line('first visit', first);
line('from the service worker', cached);
