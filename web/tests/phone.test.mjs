// SPDX-License-Identifier: MIT
// The page on phones and desktops, light and dark: what stays reachable and legible, where the
// message box stands, what the extras say of the fee they use, and what a screen reader hears.
// Run with `node --test tests/`.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { launchChromium, loadCore, openPage } from './browser.mjs';

let browser;
let core;
before(async () => {
  browser = await launchChromium();
  core = await loadCore();
});
after(() => browser?.close());

const phone = (width) => ({ width, height: 740, phone: true });
const rect = (page, selector) => page.$eval(selector, (element) => {
  const r = element.getBoundingClientRect();
  return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
});
const focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');

async function calculate(page, { cls = 0, kind, type, amount }) {
  await page.$eval(`#Option1_${cls}`, (radio) => radio.click());
  for (const [id, text] of [['List1', kind], ['List2', type]]) {
    if (text) {
      await page.select(`#${id}`, text);
    }
  }
  await page.$eval('#txtBd', (input, text) => { input.value = text; }, amount);
  await page.$eval('#Command1', (button) => button.click());
}

// WCAG contrast of two computed colours "rgb(r, g, b)".
function contrast(a, b) {
  const luminance = (colour) => {
    const [r, g, bl] = colour.match(/[\d.]+/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}

describe('closing the calculator', () => {
  for (const options of [phone(360), phone(390), { width: 1024, height: 768 }]) {
    it(`leaves a visible, focused way back with the fee rules open, ${options.width} pixels wide`, async () => {
      const { page } = await openPage(browser, options);
      await page.click('#Command3');
      await page.focus('#Command2');
      await page.keyboard.press('Enter');
      assert.equal(await focused(page), 'Form1-reopen');
      const reopen = await rect(page, '#Form1-reopen');
      assert.ok(reopen.top >= 0 && reopen.right <= options.width, 'on screen');
      const onTop = await page.evaluate(({ x, y }) => document.elementFromPoint(x, y)?.id,
        { x: (reopen.left + reopen.right) / 2, y: (reopen.top + reopen.bottom) / 2 });
      assert.equal(onTop, 'Form1-reopen');
      if (options.width >= 770) {
        assert.equal((await rect(page, '#Form1-closed')).top, (await rect(page, '#Form2')).top);
      }
      await page.click('#Form2-close');
      assert.equal(await focused(page), 'Form1-reopen');
      await page.close();
    });
  }
});

describe('title bars', () => {
  for (const scheme of ['light', 'dark']) {
    it(`draws each × legibly on its caption, with a visible focus, in the ${scheme} scheme`, async () => {
      const { page } = await openPage(browser, { scheme });
      await page.click('#Command3');
      const look = () => page.$$eval('.caption-close', (buttons) => buttons.map((button) => {
        const style = getComputedStyle(button);
        return { colour: style.color, background: style.backgroundColor, outline: style.outlineStyle,
          outlineColour: style.outlineColor, caption: getComputedStyle(button.parentElement).backgroundColor };
      }));
      for (const button of await look()) {
        assert.match(button.background, /rgba\(.*, 0\)|transparent/, 'the caption shows through');
        assert.ok(contrast(button.colour, button.caption) >= 4.5, `× ${button.colour} on ${button.caption}`);
      }
      // From the text, Shift+Tab reaches the fee rules' ×.
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      assert.equal(await focused(page), 'Form2-close');
      const rules = (await look())[1];
      assert.notEqual(rules.outline, 'none');
      assert.ok(contrast(rules.outlineColour, rules.caption) >= 3, 'focus outline');
      await page.close();
    });
  }
});

describe('the fee rules on a phone', () => {
  for (const width of [360, 390, 414]) {
    it(`cover the calculator whole, the text filling them, ${width} pixels wide`, async () => {
      const { page } = await openPage(browser, phone(width));
      await page.click('#Command3');
      const [calculator, rules, client, text] = await Promise.all(
        ['#Form1', '#Form2', '#Form2 .client', '#Text1'].map((selector) => rect(page, selector)));
      assert.ok(rules.left <= calculator.left && rules.top <= calculator.top && rules.right >= calculator.right &&
        rules.bottom >= calculator.bottom, JSON.stringify({ calculator, rules }));
      assert.deepEqual([text.width, text.height].map(Math.round), [client.width, client.height].map(Math.round));
      await page.close();
    });
  }
});

describe('lists', () => {
  it('show six whole rows with each entry\'s text inside its row, in the font Chromium uses here', async () => {
    const { page } = await openPage(browser, { scale: 4 });
    await page.click('#Option1_1');
    const rows = await page.$eval('#List1', (list) => {
      const box = list.getBoundingClientRect();
      const top = box.top + list.clientTop;
      return [...list.options].slice(0, 6).map((entry) => {
        const r = entry.getBoundingClientRect();
        return [r.top - top, r.bottom - top, list.clientHeight];
      });
    });
    assert.equal(rows.length, 6);
    for (const [top, bottom, height] of rows) {
      assert.ok(top >= 0 && bottom <= height + 0.01, `row ${top}..${bottom} in ${height}`);
    }
    // One entry, not selected, so that ink below its row would show on the empty list.
    const row = await page.$eval('#List2', (list) => {
      list.replaceChildren(new Option('五、支付令、公示催告案件', 'x'));
      list.selectedIndex = -1;
      const r = list.options[0].getBoundingClientRect();
      return [r.top - list.getBoundingClientRect().top, r.bottom - list.getBoundingClientRect().top];
    });
    const shot = await (await page.$('#List2')).screenshot({ encoding: 'base64' });
    const decoder = await browser.newPage();
    const ink = await decoder.evaluate(async (src, scale) => {
      const image = new Image();
      image.src = src;
      await image.decode();
      const canvas = new OffscreenCanvas(image.width, image.height);
      const g = canvas.getContext('2d');
      g.drawImage(image, 0, 0);
      const pixels = g.getImageData(0, 0, image.width, image.height).data;
      let top = -1;
      let bottom = -1;
      // Inside the frame: any pixel clearly darker than the white list is ink.
      for (let y = 2 * scale; y < image.height - 2 * scale; y++) {
        for (let x = 3 * scale; x < image.width - 3 * scale; x++) {
          const i = (y * image.width + x) * 4;
          if (pixels[i] + pixels[i + 1] + pixels[i + 2] < 600) {
            top = top < 0 ? y : top;
            bottom = y + 1;
            break;
          }
        }
      }
      return [top / scale, bottom / scale];
    }, `data:image/png;base64,${shot}`, 4);
    await decoder.close();
    assert.ok(ink[0] >= row[0] && ink[1] <= row[1], `ink ${ink} in row ${row}`);
    await page.close();
  });

  it('write out a selected entry cut by its list under the window on a phone, and not on a desktop', async () => {
    const whole = '三、申请认可台湾地区法院民事判决、裁定、调解书案件';
    for (const [options, shown] of [[phone(390), true], [{ width: 1024, height: 768 }, false]]) {
      const { page } = await openPage(browser, options);
      await page.$eval('#Option1_1', (radio) => radio.click());
      const before = await rect(page, '#Form1 .client');
      assert.equal(await page.$eval('#fullEntries', (line) => line.checkVisibility()), false, 'nothing is cut yet');
      await page.select('#List1', whole);
      const line = await page.$eval('#List1-full', (p) => ({ text: p.textContent, visible: p.checkVisibility() }));
      assert.deepEqual(line, { text: `案件种类：${whole}`, visible: shown });
      assert.deepEqual(await rect(page, '#Form1 .client'), before);
      await page.close();
    }
  });
});

describe('the extras for an application fee', () => {
  it('disable halving and the split and say why at once; an acceptance fee enables them again', async () => {
    const { page } = await openPage(browser);
    const controls = () => page.$$eval('#halving-reasons input, #awarded', (all) => all.map((c) => c.disabled));
    const texts = () => page.$eval('#extras', () => ['halved', 'split'].map((id) => document.getElementById(id).textContent));
    await calculate(page, { kind: '四、执行案件', type: '1、执行案件', amount: '10001' });
    assert.deepEqual(await controls(), [true, true, true, true, true]);
    assert.deepEqual(await texts(), [core.halveFee(['调解'], '1、执行案件', '10001').refusal,
      core.splitFee('', '1、执行案件', '10001').note]);
    await calculate(page, { kind: '一、财产案件', type: '1、财产案件', amount: '10001' });
    assert.deepEqual(await controls(), [false, false, false, false, false]);
    await page.close();
  });
});

describe('which fee the extras use', () => {
  it('copies the full or the halved fee by name, writes the halved fee in capitals, and says the split is of the full fee', async () => {
    const { page } = await openPage(browser);
    await page.evaluate(() => {
      navigator.clipboard.writeText = async (text) => { window.copied = text; };
    });
    const copy = async () => {
      await page.click('#copyFee');
      return page.evaluate(() => window.copied);
    };
    const capitals = (fee) => `${fee}（人民币${core.feeCapitals(fee)}）`;
    await calculate(page, { kind: '一、财产案件', type: '1、财产案件', amount: '1000000' });
    assert.equal(await copy(), `法院收费（全额）：${capitals('13800.00')}`);
    await page.type('#awarded', '250000');
    assert.equal(await page.$eval('#split-basis', (p) => p.checkVisibility()), false);
    await page.click('#halving-reasons input[value="简易程序"]');
    const halved = core.halveFee(['简易程序'], '1、财产案件', '1000000').halvedFee;
    assert.equal(halved, '6900.00');
    assert.equal(await copy(), `法院收费（减半后，依第十六条减半交纳）：${capitals(halved)}`);
    assert.equal(await page.$eval('#halved-capitals', (p) => p.textContent), `大写：人民币${core.feeCapitals(halved)}`);
    assert.equal(await page.$eval('#split-basis', (p) => p.textContent),
      '以上按全额案件受理费 13800.00 元分担，未计减半；减半后为 6900.00 元，实际负担以人民法院决定为准。');
    await page.close();
  });
});

describe('the message box', () => {
  for (const options of [{ width: 1024, height: 768 }, phone(360), phone(390)]) {
    it(`stands centred over the calculator and on screen, ${options.width} pixels wide`, async () => {
      const { page } = await openPage(browser, options);
      if (options.width >= 770) {
        await page.click('#Command3');
      }
      await calculate(page, { amount: 'abc' });
      const [box, calculator] = [await rect(page, '#MsgBox'), await rect(page, '#Form1')];
      assert.ok(box.left >= 0 && box.top >= 0 && box.right <= options.width && box.bottom <= options.height);
      assert.ok(Math.abs((box.left + box.right) / 2 - (calculator.left + calculator.right) / 2) <= 1, 'across');
      assert.ok(Math.abs((box.top + box.bottom) / 2 - (calculator.top + calculator.bottom) / 2) <= 1, 'down');
      await page.close();
    });
  }
});

describe('screen readers', () => {
  it('hear the fee after 计算, and the fee field is described briefly', async () => {
    const { page } = await openPage(browser);
    await calculate(page, { amount: '1000000' });
    await page.waitForFunction(() => document.getElementById('feeAnnounce').textContent !== '');
    assert.deepEqual(await page.$eval('#feeAnnounce', (region) => [region.getAttribute('aria-live'), region.textContent]),
      ['polite', '法院收费 13800.00 元']);
    const field = await page.accessibility.snapshot({ root: await page.$('#txtFysf') });
    assert.equal(field.description, '计算过程见页面下方');
    assert.ok((await page.$eval('#txtFysf', (input) => input.title)).length > 100, 'the tooltip keeps the steps');
    await page.close();
  });
});
