// SPDX-License-Identifier: MIT
// The phone layout in Chromium with touch: what only the layout shows. The fees, refusals,
// searches, figures and texts are the Calculator's, tested natively; here they must reach the
// thumb-sized column at every width, before and after the core arrives, and axe-core must find no
// serious fault in either layout.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { after, before, describe, it } from 'node:test';
import { focused, launchChromium, layoutFaults, loadCore, openPage, phone, saidTwice, serveSite, slowProfile } from './browser.mjs';

let browser;
let core;
let site;
before(async () => {
  browser = await launchChromium();
  core = await loadCore();
  site = await serveSite();
});
after(async () => {
  await browser?.close();
  site?.server.close();
});

// Options, or a function giving them once the site is served.
const withPage = (options, test) => async () => {
  const opened = await openPage(browser, typeof options === 'function' ? options() : options);
  try {
    await test(opened);
  } finally {
    await opened.page.close();
  }
};
const value = (page, selector) => page.$eval(selector, (element) => element.value ?? element.textContent);
const text = (page, selector) => page.$eval(selector, (element) => element.textContent);
const typeInto = async (page, selector, typed) => {
  await page.$eval(selector, (field) => { field.value = ''; });
  await page.type(selector, typed);
};

describe('the phone layout at every width', () => {
  const sizes = [[320, 640], [360, 740], [390, 844], [414, 896], [740, 360], [896, 414]];
  for (const [width, height] of sizes) {
    const onItsSide = width > height;
    it(`${width}×${height}: within the screen, thumb-sized controls, the fee following the typing in 万元${onItsSide ? ' beside the field' : ''}`,
      withPage({ ...phone(width), height }, async ({ page, problems }) => {
        assert.equal(await page.evaluate(() => getComputedStyle(document.querySelector('.desk')).display), 'none');
        await page.select('#unit', '万元');
        await page.type('#amount', '100');
        assert.equal(await text(page, '#fee'), core.computeFee('1、财产案件', '1000000').feeText);
        if (onItsSide) {
          // In view with the field however little the page scrolled down to show it.
          const fee = await page.$eval('#amount', (field) => {
            scrollTo(0, 0);
            field.scrollIntoView({ block: 'nearest' });
            return document.getElementById('fee').getBoundingClientRect().toJSON();
          });
          assert.ok(fee.top >= 0 && fee.bottom <= height, JSON.stringify(fee));
        }
        assert.deepEqual(await page.evaluate(layoutFaults), []);
        assert.deepEqual(problems, []);
      }));
  }

  it('says a refused amount beside the field, never in a modal box, with nothing to share that looks it, and follows the browser\'s font size',
    withPage(phone(360), async ({ page }) => {
      const looks = () => page.$$eval('#share, #copy', (buttons) => buttons.map((button) => {
        const style = getComputedStyle(button);
        return { disabled: button.disabled, look: [style.color, style.backgroundColor, style.borderStyle, style.opacity].join() };
      }));
      await page.type('#amount', '1');
      const priced = await looks();
      await typeInto(page, '#amount', '1万');
      assert.deepEqual([await text(page, '#amountNote'), await text(page, '#fee'), await page.$eval('#MsgBox', (box) => box.open)],
        [core.computeFee('1、财产案件', '1万').message.prompt, '—', false]);
      const refused = await looks();
      refused.forEach((button, index) => {
        assert.deepEqual([priced[index].disabled, button.disabled], [false, true]);
        assert.notEqual(button.look, priced[index].look, 'a disabled button drawn as an enabled one');
      });
      // A reader's larger text: twice the default, and nothing overlaps or runs off the screen.
      await page.$eval('html', (html) => { html.style.fontSize = '200%'; });
      assert.deepEqual(await page.evaluate(layoutFaults), []);
    }));
});

describe('the phone layout in use', () => {
  it('finds the type from a search, adds a claim, keeps a history entry, reopens it after a reload and from another case being typed, and clears it',
    withPage(() => ({ ...phone(360), url: `${site.origin}/` }), async ({ page }) => {
      await page.evaluate(() => localStorage.clear());
      await page.type('#typeSearch', '离婚');
      assert.equal(await value(page, '#caseType'), '1、离婚案件');
      await typeInto(page, '#typeSearch', '仲裁');
      const offered = await page.$$eval('#typeMatches button', (buttons) => buttons.map((button) => button.textContent));
      assert.deepEqual(offered, core.searchType('仲裁').types);
      await page.tap(`#typeMatches button:nth-child(2)`);
      assert.equal(await value(page, '#caseType'), offered[1]);
      await page.select('#caseClass', '0');
      await page.type('#amount', '1234567.89');
      await page.tap('#addClaim');
      await page.keyboard.type('50000');
      assert.equal(await text(page, '#fee'), core.computeFee('1、财产案件', '1284567.89').feeText);
      await page.tap('#unit');  // leaving the field keeps the calculation
      await page.reload();
      await page.waitForSelector('html[data-ready]');
      const entry = '#historyList li:first-child button';
      assert.match(await text(page, entry), /^1、财产案件标的金额 1284567\.89 元，法院收费 16361\.11/);
      const reopened = ['1234567.89', '50000', '16361.11'];
      const shown = async () => [await value(page, '#amount'), await value(page, '#claims input'), await text(page, '#fee')];
      await page.tap(entry);
      assert.deepEqual(await shown(), reopened);
      // Tapped with another case in the amount field: leaving it records that case above the entry as the tap lands.
      await typeInto(page, '#typeSearch', '离婚');
      await typeInto(page, '#amount', '300000');
      await page.tap(entry);
      assert.deepEqual([...await shown(), (await text(page, entry)).slice(0, 6)], [...reopened, '1、离婚案件']);
      await page.tap('#clearHistory');
      assert.equal(await page.$$eval('#historyList li', (items) => items.length), 0);
    }));

  it('shares through the sheet, else the clipboard, else a text to select', withPage(phone(360), async ({ page }) => {
    await page.type('#amount', '10001');
    const shareText = await page.evaluate(() => new Promise((resolve) => {
      navigator.share = async ({ text: shared }) => resolve(shared);
      document.getElementById('share').click();
    }));
    assert.match(shareText, /^1、财产案件：标的金额 10001 元，案件受理费 50\.03（人民币伍拾元零叁分），依《诉讼费用交纳办法》第十三条第（一）项。$/);
    // An intranet over plain HTTP: no share sheet, no clipboard, and the old copy refused.
    await page.evaluate(() => {
      delete navigator.share;
      Object.defineProperty(navigator, 'clipboard', { value: undefined });
      document.execCommand = () => false;
    });
    await page.tap('#share');
    await page.waitForSelector('#shareFallback:not([hidden])');
    assert.deepEqual(await page.$eval('#shareFallback', (box) => [box.value, box.selectionEnd - box.selectionStart === box.value.length]),
      [shareText, true]);
  }));

  it('shows the fee rules read-only with a way to 第十三条, and Back returns to the calculator', withPage(() => ({ ...phone(360), url: `${site.origin}/` }), async ({ page }) => {
    await page.tap('#openRules');
    await page.waitForSelector('#phoneRules:not([hidden])');
    assert.equal(await page.evaluate(() => document.activeElement.matches('input, textarea, [contenteditable]')), false);
    await page.tap('#rulesToc a[href="#rules-article-十三"]');
    await page.waitForFunction(() => Math.abs(document.getElementById('rules-article-十三').getBoundingClientRect().top) < 100);
    await page.goBack();
    await page.waitForSelector('#phone:not([hidden])');
    assert.deepEqual([await page.$eval('#phoneRules', (rules) => rules.hidden), await focused(page)], [true, 'openRules']);
  }));

  it('keeps a court\'s figure on the device and prices with it at once', withPage(() => ({ ...phone(360), url: `${site.origin}/` }), async ({ page }) => {
    await page.evaluate(() => localStorage.clear());
    await page.type('#typeSearch', '离婚');
    await page.tap('#figures summary');
    const field = '.figure-row[data-type="1、离婚案件"] input';
    await page.type(field, '200');
    await page.tap('#figures summary');
    assert.equal(await text(page, '#fee'), '200.00');
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    await page.type('#typeSearch', '离婚');
    assert.equal(await text(page, '#fee'), '200.00');
    assert.match(await text(page, '#steps'), /本地标准/);
    // Who prepays on its own line while the steps are folded; said once, in them, once unfolded.
    assert.deepEqual([await page.evaluate(saidTwice), await page.$eval('#prepay', (line) => line.checkVisibility())], [[], true]);
    await page.tap('#steps-box summary');
    assert.deepEqual(await page.evaluate(saidTwice), []);
  }));
});

describe('loading on a slow phone', () => {
  it('takes typing before the core arrives and prices what was typed, the focus left where it was', async () => {
    // A first visit: a context of its own, without the service worker of the other tests.
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    try {
      await slowProfile(page);
      await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
      // The core, its script and its WebAssembly, is held back until the amount has been typed.
      let release;
      const held = new Promise((resolve) => { release = resolve; });
      await page.setRequestInterception(true);
      page.on('request', (request) => (/\/courtfee\.(js|wasm)$/.test(request.url()) ? held.then(() => request.continue())
        : request.continue()));
      await page.goto(`${site.origin}/`, { waitUntil: 'domcontentloaded' });
      assert.equal(await text(page, '#fee'), '正在加载…');
      await page.tap('#amount');
      await page.keyboard.type('100');
      release();
      await page.waitForSelector('html[data-ready]');
      assert.deepEqual([await value(page, '#amount'), await text(page, '#fee'), await focused(page)],
        ['100', core.computeFee('1、财产案件', '100').feeText, 'amount']);
    } finally {
      await context.close();
    }
  });
});

describe('axe-core', () => {
  const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  for (const [name, options] of [['the desk', { width: 1024, height: 768 }], ['the phone', phone(360)]]) {
    for (const scheme of ['light', 'dark']) {
      it(`finds no serious or critical fault in ${name}, ${scheme}`, withPage({ ...options, scheme }, async ({ page }) => {
        if (name === 'the desk') {
          await page.type('#txtBd', '10001');
          await page.click('#Command1');
        } else {
          await page.type('#amount', '10001');
        }
        await page.evaluate(() => { for (const details of document.querySelectorAll('details')) details.open = true; });
        // The page's policy admits only its own scripts, so axe runs in the test's own world.
        const session = await page.createCDPSession();
        await session.send('Page.setBypassCSP', { enabled: true });
        await page.evaluate(axeSource);
        const found = await page.evaluate(async () => (await globalThis.axe.run(document, { resultTypes: ['violations'] }))
          .violations.filter((v) => ['serious', 'critical'].includes(v.impact))
          .map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`));
        assert.deepEqual(found, []);
      }));
    }
  }
});
