// SPDX-License-Identifier: MIT
// Retakes the page's screenshots in docs/: the phone layout at 360 pixels in light and dark, and
// the desk in the dark scheme with the fee rules open, each after typing as a person does.
// With --all, also every phone width and landscape, light and dark, into /tmp/zq-phone-shots, to look at.
//
// node screenshots.mjs [--all]     (from web/, after scripts/web.sh and npm ci)
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { launchChromium, openPage, phone, root } from './tests/browser.mjs';

async function phoneShot(browser, file, width, height, scheme) {
  const { page } = await openPage(browser, { ...phone(width), height, scheme, scale: 2 });
  await page.type('#typeSearch', '合同');
  await page.select('#unit', '万元');
  await page.type('#amount', '123.456789');
  await page.tap('#halving-reasons input[value="0"]');  // 调解
  await page.evaluate(() => document.activeElement?.blur());
  await page.screenshot({ path: file, fullPage: true });
  await page.close();
}

const browser = await launchChromium();
try {
  for (const scheme of ['light', 'dark']) {
    await phoneShot(browser, path.join(root, `docs/web-phone-360-${scheme}.png`), 360, 740, scheme);
  }
  const { page } = await openPage(browser, { width: 1024, height: 720, scheme: 'dark' });
  await page.type('#txtBd', '10001');
  await page.click('#Command1');
  await page.click('#Command3');
  await page.screenshot({ path: path.join(root, 'docs/web-desktop-dark.png') });
  await page.close();
  if (process.argv.includes('--all')) {
    mkdirSync('/tmp/zq-phone-shots', { recursive: true });
    for (const [width, height] of [[320, 640], [360, 740], [390, 844], [414, 896], [740, 360]]) {
      for (const scheme of ['light', 'dark']) {
        await phoneShot(browser, `/tmp/zq-phone-shots/phone-${width}x${height}-${scheme}.png`, width, height, scheme);
      }
    }
  }
} finally {
  await browser.close();
}
console.log('saved docs/web-phone-360-light.png, docs/web-phone-360-dark.png and docs/web-desktop-dark.png');
