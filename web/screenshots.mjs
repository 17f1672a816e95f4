// SPDX-License-Identifier: MIT
// Screenshots of the page for the README: a phone (390 CSS pixels wide, at twice the pixels, as
// phones draw) in the light scheme, and a desktop in the dark scheme with the fee rules open.
//
// node screenshots.mjs   (from web/, after scripts/web.sh and npm ci)
import path from 'node:path';
import { launchChromium, openPage, root } from './tests/browser.mjs';

// ground: a ground for halving to tick, by its place in the core's halvingReasons().
async function calculate(page, amount, ground) {
  await page.type('#txtBd', amount);
  await page.click('#Command1');
  if (ground !== undefined) {
    await page.click(`#halving-reasons input[value="${ground}"]`);
  }
  await page.evaluate(() => document.activeElement?.blur());
}

const browser = await launchChromium();
try {
  let { page } = await openPage(browser, { width: 390, height: 844, scale: 2 });
  await calculate(page, '1234567.89', 0);  // 调解
  await page.screenshot({ path: path.join(root, 'docs/web-phone.png'), fullPage: true });
  await page.close();

  ({ page } = await openPage(browser, { width: 1024, height: 720, scheme: 'dark' }));
  await calculate(page, '10001');
  await page.click('#Command3');
  await page.screenshot({ path: path.join(root, 'docs/web-desktop-dark.png') });
  await page.close();
} finally {
  await browser.close();
}
console.log('saved docs/web-phone.png and docs/web-desktop-dark.png');
