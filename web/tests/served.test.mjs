// SPDX-License-Identifier: MIT
// The site served over HTTP, as from any static server: it installs its service worker, and then
// works with the network gone. Also the page at a phone's width, in both colour schemes.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launchChromium, openPage, root, siteDir } from './browser.mjs';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.ts': 'text/plain' };

let browser;
let server;
let origin;
before(async () => {
  browser = await launchChromium();
  server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/\/$/, '/index.html');
    const file = path.join(siteDir, path.normalize(name));
    try {
      const body = readFileSync(file);
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;
});
after(async () => {
  await browser?.close();
  server?.close();
});

async function feeFor(page, amount) {
  await page.$eval('#txtBd', (input, text) => { input.value = text; }, amount);
  await page.click('#Command1');
  return page.$eval('#txtFysf', (input) => input.value);
}

describe('served over HTTP', () => {
  it('offers its manifest, keeps itself offline, and still calculates with the network gone', async () => {
    const { page, requests, problems } = await openPage(browser, { url: `${origin}/` });
    const manifest = await page.$eval('link[rel="manifest"]', (link) => link.href);
    assert.equal(manifest, `${origin}/manifest.webmanifest`);
    const icons = JSON.parse(readFileSync(path.join(siteDir, 'manifest.webmanifest'), 'utf8')).icons;
    assert.deepEqual(icons.map((icon) => icon.sizes), ['192x192', '512x512', '512x512']);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    assert.equal(await page.evaluate(() => navigator.serviceWorker.controller !== null), true);
    assert.equal(await feeFor(page, '10000'), '50.00');

    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    assert.equal(await feeFor(page, '1234567.89'), '15911.11');
    await page.setOfflineMode(false);

    const foreign = requests.filter((url) => !url.startsWith(`${origin}/`) && !url.startsWith('data:'));
    assert.deepEqual(foreign, []);
    assert.deepEqual(problems, []);
    await page.close();
  });
});

describe('the ES module', () => {
  it('loads in a page and answers as the page does', async () => {
    const { page } = await openPage(browser, { url: `${origin}/index.html` });
    const answer = await page.evaluate(async () => {
      const { default: CourtFee } = await import('./courtfee.mjs');
      return (await CourtFee()).computeFee('1、支付令、公示催告案件', '10000');
    });
    assert.deepEqual(answer, { amountText: '10000', feeText: '16.67', message: null });
    await page.close();
  });
});

describe('copy', () => {
  it('puts the fee on the clipboard', async () => {
    await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-sanitized-write']);
    const { page } = await openPage(browser, { url: `${origin}/index.html` });
    await feeFor(page, '10001');
    await page.click('#copyFee');
    await page.waitForFunction(() => document.getElementById('copyState').textContent !== '');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '法院收费（全额）：50.03（人民币伍拾元零叁分）');
    await page.close();
  });
});

describe('at a phone\'s width', () => {
  const shots = path.join(root, 'build-web/screens');
  mkdirSync(shots, { recursive: true });
  for (const [width, scheme] of [[390, 'light'], [390, 'dark'], [360, 'light']]) {
    it(`shows the whole window ${width} pixels wide without sideways scrolling, ${scheme}`, async () => {
      const { page } = await openPage(browser, { width, height: 844, scheme, scale: 2, phone: true });
      await feeFor(page, '1234567.89');
      const look = await page.evaluate(() => {
        const form = document.getElementById('Form1').getBoundingClientRect();
        const rgb = (colour) => colour.match(/\d+/g).slice(0, 3).map(Number);
        return {
          overflow: document.scrollingElement.scrollWidth - innerWidth,
          inside: form.left >= 0 && form.right <= visualViewport.width,
          face: rgb(getComputedStyle(document.getElementById('Form1')).backgroundColor),
          text: rgb(getComputedStyle(document.getElementById('Label1_0')).color),
        };
      });
      assert.equal(look.overflow, 0);
      assert.equal(look.inside, true);
      const light = (c) => c.reduce((a, b) => a + b) / 3 > 128;
      // Dark text on a light face, or light text on a dark one.
      assert.deepEqual([light(look.face), light(look.text)], scheme === 'light' ? [true, false] : [false, true]);
      await page.screenshot({ path: path.join(shots, `phone-${width}-${scheme}.png`), fullPage: true });
      await page.close();
    });
  }
});
