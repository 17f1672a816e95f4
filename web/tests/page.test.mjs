// SPDX-License-Identifier: MIT
// The calculator page in headless Chromium, opened from disk: what the window does, the page
// does. Run with `node --test tests/`.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launchChromium, loadCore, openPage, pageUrl, root } from './browser.mjs';

const courtfee = process.env.COURTFEE ?? path.join(root, 'build/bin/courtfee');
const native = (...args) => {
  try {
    return execFileSync(courtfee, args, { encoding: 'utf8' });
  } catch (failure) {
    return failure.stderr;
  }
};

let browser;
let core;
before(async () => {
  browser = await launchChromium();
  core = await loadCore();
});
after(() => browser?.close());

const state = (page) => page.evaluate(() => {
  const list = (id) => ({
    entries: [...document.getElementById(id).options].map((o) => o.text),
    selected: document.getElementById(id).selectedIndex,
  });
  const box = document.getElementById('MsgBox');
  return {
    classOn: document.getElementById('Option1_0').checked ? 0 : document.getElementById('Option1_1').checked ? 1 : -1,
    kinds: list('List1'),
    types: list('List2'),
    amount: document.getElementById('txtBd').value,
    fee: document.getElementById('txtFysf').value,
    focus: document.activeElement?.id ?? '',
    dialog: box.open ? { title: document.getElementById('MsgBox-title').textContent,
      prompt: document.getElementById('MsgBox-prompt').textContent, icon: box.className } : null,
    rulesOpen: !document.getElementById('Form2').hidden,
    calculatorOpen: !document.getElementById('Form1').hidden,
  };
});

// A test on a page of its own, closed however the test ends.
const withPage = (test) => async () => {
  const opened = await openPage(browser);
  try {
    await test(opened);
  } finally {
    await opened.page.close();
  }
};

async function centre(page, selector) {
  const box = await (await page.$(selector)).boundingBox();
  return [box.x + box.width / 2, box.y + box.height / 2];
}

async function select(page, listId, text) {
  await page.select(`#${listId}`, text);
}

async function calculate(page, { cls = 0, kind, type, amount }) {
  await page.click(`#Option1_${cls}`);
  if (kind) {
    await select(page, 'List1', kind);
  }
  if (type) {
    await select(page, 'List2', type);
  }
  await page.$eval('#txtBd', (input, text) => { input.value = text; }, amount);
  await page.click('#Command1');
  return state(page);
}

describe('start-up', () => {
  it('turns on the first class and selects the first kind and type, with both fields empty', withPage(async ({ page, problems }) => {
    const kinds = core.kindsOf(0);
    assert.deepEqual(await state(page), {
      classOn: 0,
      kinds: { entries: kinds, selected: 0 },
      types: { entries: core.typesOf(kinds[0]), selected: 0 },
      amount: '',
      fee: '',
      focus: 'Option1_0',
      dialog: null,
      rulesOpen: false,
      calculatorOpen: true,
    });
    assert.equal(kinds[0], '一、财产案件');
    assert.deepEqual(await page.$eval('html', (html) => [html.lang, document.title]),
      ['zh-CN', '诉讼费用计算器 - ZorvikQuillet v2.0']);
    assert.deepEqual(problems, []);
  }));

  it('lays the controls out where the window has them, in a 369 x 393 client area', withPage(async ({ page }) => {
    // left, top, width, height in the client area; labels size themselves, so only their corner.
    const layout = {
      'Option1_0-box': [104, 32, 93, 25], 'Option1_1-box': [200, 32, 93, 25],
      List1: [80, 64, 261, 76], List2: [80, 148, 261, 76], txtBd: [80, 252, 261, 21], txtFysf: [80, 284, 261, 21],
      Command1: [172, 324, 81, 25], Command2: [260, 324, 81, 25], Command3: [260, 356, 81, 25],
      Label1_0: [20, 68], Label1_1: [20, 152], Label1_2: [20, 260], Label1_3: [20, 292],
      Label2_0: [20, 332], Label2_1: [20, 344], Label2_2: [20, 360], Line1: [20, 236, 320],
    };
    const measured = await page.evaluate((ids) => {
      const client = document.querySelector('#Form1 .client').getBoundingClientRect();
      const out = { client: [client.width, client.height] };
      for (const id of ids) {
        const r = document.getElementById(id).getBoundingClientRect();
        out[id] = [r.left - client.left, r.top - client.top, r.width, r.height].map((v) => Math.round(v));
      }
      return out;
    }, Object.keys(layout));
    assert.deepEqual(measured.client, [369, 393]);
    for (const [id, expected] of Object.entries(layout)) {
      assert.deepEqual(measured[id].slice(0, expected.length), expected, id);
    }
  }));
});

describe('class, kind and type', () => {
  it('refills the kinds and types, first entries selected, when the class changes', withPage(async ({ page }) => {
    await page.click('#Option1_1');
    const kinds1 = core.kindsOf(1);
    let now = await state(page);
    assert.deepEqual(now.kinds, { entries: kinds1, selected: 0 });
    assert.deepEqual(now.types, { entries: core.typesOf(kinds1[0]), selected: 0 });
    assert.equal(now.types.entries[0], '1、申请执行仲裁裁决（涉外）');
    await select(page, 'List1', kinds1[3]);
    await page.click('#Option1_0');
    now = await state(page);
    assert.deepEqual([now.kinds.selected, now.types.selected, now.types.entries[0]], [0, 0, '1、财产案件']);
  }));

  it('shows six whole entries, and the whole text of an entry too wide for its list as a tooltip', withPage(async ({ page }) => {
    await page.click('#Option1_1');
    const rows = await page.$eval('#List1', (list) => [...list.options].map((entry) => {
      const r = entry.getBoundingClientRect();
      return { fits: r.bottom <= list.getBoundingClientRect().top + list.clientTop + list.clientHeight, title: entry.title };
    }));
    assert.deepEqual(rows.map((row) => row.fits), [true, true, true, true, true, true]);
    assert.deepEqual(rows.map((row) => row.title).filter(Boolean), ['三、申请认可台湾地区法院民事判决、裁定、调解书案件']);
  }));

  it('keeps an entry selected after a click on empty list space or a Ctrl+click', withPage(async ({ page }) => {
    const box = await (await page.$('#List2')).boundingBox();
    await page.mouse.click(box.x + 50, box.y + box.height - 5);
    await page.keyboard.down('Control');
    await page.mouse.click(box.x + 50, box.y + 6);
    await page.keyboard.up('Control');
    assert.equal((await state(page)).types.selected, 0);
  }));

  it('refills the types at every step of the arrow keys in the kind list', withPage(async ({ page }) => {
    await page.focus('#List1');
    const kinds = core.kindsOf(0);
    for (let step = 1; step < kinds.length; step++) {
      await page.keyboard.press('ArrowDown');
      const now = await state(page);
      assert.equal(now.kinds.selected, step);
      assert.deepEqual(now.types, { entries: core.typesOf(kinds[step]), selected: 0 });
    }
  }));

  it('leaves the amount and the fee shown when the class or kind changes', withPage(async ({ page }) => {
    await calculate(page, { amount: '10000' });
    await page.click('#Option1_1');
    const now = await state(page);
    assert.deepEqual([now.amount, now.fee], ['10000', '50.00']);
  }));
});

describe('calculate', () => {
  // The page hands the selected type and the amount as typed to the core, and shows its answer;
  // the fees themselves are pinned by the core's tests and the parity check.
  const cases = [
    { name: 'property scale', kind: '一、财产案件', type: '1、财产案件', amount: '10001', fee: '50.03' },
    { name: 'intellectual property without an amount', kind: '二、非财产案件', type: '2、知识产权案件', amount: '', fee: '1000.00', amountAfter: '0' },
    { name: 'payment order, a third', kind: '五、支付令、公示催告案件', type: '1、支付令、公示催告案件', amount: '10000', fee: '16.67' },
    { name: 'non-litigation flat fee', cls: 1, kind: '六、海事案件申请', type: '5.申请共同海损理算', amount: '100', fee: '1000.00' },
    { name: 'full-width digits and grouping', kind: '一、财产案件', type: '1、财产案件', amount: '１，２３４，５６７.89', fee: '15911.11' },
  ];
  let page;
  before(async () => ({ page } = await openPage(browser)));
  after(() => page.close());
  for (const c of cases) {
    it(c.name, async () => {
      const now = await calculate(page, c);
      assert.deepEqual([now.amount, now.fee, now.dialog], [c.amountAfter ?? c.amount, c.fee, null]);
      assert.equal(now.fee, core.computeFee(c.type, c.amount).feeText);
    });
  }
});

describe('message box', () => {
  it('warns of an amount that is not a number; Enter closes it and the focus returns', withPage(async ({ page }) => {
    await calculate(page, { amount: '10000' });
    await page.$eval('#txtBd', (input) => { input.value = '1万'; });
    await page.focus('#Command1');
    await page.keyboard.press('Enter');
    let now = await state(page);
    assert.deepEqual(now.dialog, { title: '提示', prompt: '标的中请输入数字！', icon: 'exclamation' });
    assert.deepEqual([now.amount, now.fee, now.focus], ['1万', '', 'MsgBox-ok']);
    await page.keyboard.press('Enter');
    now = await state(page);
    assert.deepEqual([now.dialog, now.focus], [null, 'Command1']);
  }));

  it('shows a calculation failure with its description; Esc closes it', withPage(async ({ page }) => {
    let now = await calculate(page, { amount: '1e400' });
    assert.deepEqual(now.dialog, { title: '计算错误', prompt: core.computeFee('1、财产案件', '1e400').message.prompt, icon: 'critical' });
    assert.equal(now.fee, '');
    await page.keyboard.press('Escape');
    now = await state(page);
    assert.equal(now.dialog, null);
    assert.equal(now.calculatorOpen, true);
  }));

  it('keeps the window behind it out of reach while open', withPage(async ({ page }) => {
    await calculate(page, { amount: 'abc' });
    for (let i = 0; i < 3; i++) {
      await page.keyboard.press('Tab');
      assert.ok(['MsgBox-ok', ''].includes((await state(page)).focus), 'focus stays in the box or leaves the page');
    }
    await page.mouse.click(...(await centre(page, '#Command2')));
    const now = await state(page);
    assert.deepEqual([now.calculatorOpen, now.dialog?.title], [true, '提示']);
  }));
});

describe('keyboard', () => {
  it('visits the controls in the window order, and back', withPage(async ({ page }) => {
    const order = ['Option1_0', 'List1', 'List2', 'txtBd', 'txtFysf', 'Command1', 'Command2', 'Command3'];
    const visited = [(await state(page)).focus];
    for (let i = 1; i < order.length; i++) {
      await page.keyboard.press('Tab');
      visited.push((await state(page)).focus);
    }
    assert.deepEqual(visited, order);
    const back = [];
    for (let i = 1; i < order.length; i++) {
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      back.push((await state(page)).focus);
    }
    assert.deepEqual(back, order.slice(0, -1).reverse());
  }));

  it('calculates nothing on Enter in the amount field, and closes nothing on Esc', withPage(async ({ page }) => {
    await page.focus('#txtBd');
    await page.keyboard.type('10000');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Escape');
    const now = await state(page);
    assert.deepEqual([now.amount, now.fee, now.dialog, now.calculatorOpen], ['10000', '', null, true]);
  }));
});

describe('fee rules and exit', () => {
  it('opens the Measures at the top, once; a new opening discards edits', withPage(async ({ page }) => {
    await page.click('#Command3');
    const text = () => page.$eval('#Text1', (t) => ({ value: t.value, top: t.scrollTop, visible: t.checkVisibility() }));
    let shown = await text();
    assert.equal(shown.visible, true);
    assert.equal(shown.top, 0);
    assert.match(shown.value, /^诉讼费用交纳办法 \n\n第一章总 则 \n/);
    assert.match(shown.value, /第五十六条本办法自2007年4月1日起施行。 ?\n$/);
    await page.$eval('#Text1', (t) => { t.scrollTop = 500; });
    await page.click('#Command3');
    shown = await text();
    assert.ok(shown.top > 0, 'a second press keeps the scroll position');
    assert.equal(await page.$$eval('#Text1', (all) => all.length), 1);
    await page.type('#Text1', '批注');
    await page.click('#Form2-close');
    await page.click('#Command3');
    shown = await text();
    assert.doesNotMatch(shown.value, /批注/);
    assert.equal(shown.top, 0);
  }));

  it('opens the fee rules beside the calculator on a desktop and over it on a phone', async () => {
    const placement = async (width) => {
      const { page } = await openPage(browser, { width, height: 800 });
      await page.click('#Command3');
      const [calculator, rules] = await page.$$eval('#Form1, #Form2', (forms) => forms.map((form) => {
        const r = form.getBoundingClientRect();
        return { left: r.left, right: r.right, top: r.top, front: getComputedStyle(form).zIndex };
      }));
      await page.close();
      return { beside: rules.left >= calculator.right, over: rules.left < calculator.right && rules.front > calculator.front,
        sameTop: rules.top === calculator.top, inView: rules.right <= width };
    };
    assert.deepEqual(await placement(1024), { beside: true, over: false, sameTop: true, inView: true });
    assert.deepEqual(await placement(390), { beside: false, over: true, sameTop: true, inView: true });
  });

  it('退出 closes the calculator and leaves the fee rules open', withPage(async ({ page }) => {
    await page.click('#Command3');
    await page.click('#Command2');
    const now = await state(page);
    assert.deepEqual([now.calculatorOpen, now.rulesOpen], [false, true]);
    await page.click('#Form1-reopen');
    const again = await state(page);
    assert.deepEqual([again.calculatorOpen, again.classOn, again.fee], [true, 0, '']);
  }));
});

describe('accessibility', () => {
  it('names every field by its label and every button by its caption', withPage(async ({ page }) => {
    const names = {};
    for (const id of ['Option1_0', 'Option1_1', 'List1', 'List2', 'txtBd', 'txtFysf', 'Command1', 'Command2', 'Command3']) {
      const node = await page.accessibility.snapshot({ root: await page.$(`#${id}`) });
      names[id] = `${node.role}:${node.name}`;
    }
    assert.deepEqual(names, {
      Option1_0: 'radio:诉讼类', Option1_1: 'radio:非诉讼类', List1: 'listbox:案件种类：', List2: 'listbox:案件类型：',
      txtBd: 'textbox:案件标的：', txtFysf: 'textbox:法院收费：', Command1: 'button:计算', Command2: 'button:退出',
      Command3: 'button:收费细则',
    });
    await calculate(page, { amount: 'abc' });
    const dialog = await page.accessibility.snapshot({ root: await page.$('#MsgBox') });
    assert.deepEqual([dialog.role, dialog.name], ['dialog', '提示']);
  }));
});

describe('nothing leaves the device', () => {
  it('requests only its own files, and its policy blocks anything else', withPage(async ({ page, requests, problems }) => {
    await calculate(page, { amount: '10000' });
    await page.click('#Command3');
    const blocked = await page.evaluate(() => new Promise((resolve) => {
      document.addEventListener('securitypolicyviolation', (e) => resolve(e.effectiveDirective), { once: true });
      const img = document.createElement('img');
      img.src = 'https://example.com/pixel.png';
      document.body.append(img);
    }));
    assert.equal(blocked, 'img-src');
    const siteUrl = pageUrl.slice(0, pageUrl.lastIndexOf('/') + 1);
    const foreign = requests.filter((url) => !url.startsWith(siteUrl) && !url.startsWith('data:'));
    // The one foreign address is the image the policy has just refused.
    assert.deepEqual(foreign, ['https://example.com/pixel.png']);
    assert.equal(await page.$eval('img[src^="https:"]', (img) => img.naturalWidth), 0);
    assert.ok(requests.some((url) => url.endsWith('/courtfee.js')));
    assert.deepEqual(problems.filter((p) => !p.includes('example.com')), []);
  }));
});

describe('under the window', () => {
  let page;
  before(async () => ({ page } = await openPage(browser)));
  after(() => page.close());

  const steps = [
    { cls: 0, kind: '一、财产案件', type: '1、财产案件', amount: '1234567.89' },
    { cls: 0, kind: '五、支付令、公示催告案件', type: '1、支付令、公示催告案件', amount: '10001' },
    { cls: 0, kind: '一、财产案件', type: '2、破产案件', amount: '1e9' },
    { cls: 0, kind: '二、非财产案件', type: '1、离婚案件', amount: '' },
    { cls: 1, kind: '一、仲裁案件', type: '8、申请涉外仲裁财产保全的案件', amount: '2000000' },
  ];
  for (const c of steps) {
    it(`writes the calculation step by step as courtfee --explain does: ${c.type} ${c.amount}`, async () => {
      await calculate(page, c);
      const shown = await page.$eval('#steps', (pre) => `${pre.textContent}\n`);
      assert.equal(shown, native('--explain', c.type, c.amount));
    });
  }

  it('halves an acceptance fee on the grounds ticked, and refuses an application fee', async () => {
    await calculate(page, { cls: 0, kind: '二、非财产案件', type: '1、离婚案件', amount: '200002' });
    const tick = (word) => page.$eval(`#halving-reasons input[value="${word}"]`, (box) => box.click());
    const halved = () => page.$eval('#halved', (p) => p.textContent);
    await tick('撤诉');
    await tick('简易程序');
    assert.equal(await halved(), `减半后收费：${native('--halve', '撤诉,简易程序', '1、离婚案件', '200002').trim()}`);
    await calculate(page, { cls: 0, kind: '四、执行案件', type: '1、执行案件', amount: '10001' });
    assert.equal(await halved(), native('--halve', '撤诉,简易程序', '1、执行案件', '10001').trim());
  });

  it('splits the acceptance fee in proportion to the part awarded, as courtfee --split does', async () => {
    await calculate(page, { cls: 0, kind: '一、财产案件', type: '1、财产案件', amount: '1000000' });
    await page.type('#awarded', '333333.33');
    const shown = await page.$eval('#split', (p) => `${p.textContent}\n`);
    assert.equal(shown, native('--split', '333333.33', '1、财产案件', '1000000'));
    await page.$eval('#awarded', (input) => { input.value = ''; });
  });

  it('puts the steps in the fee field\'s tooltip, and shows nothing when the calculation gave no fee', async () => {
    await calculate(page, { cls: 0, kind: '一、财产案件', type: '1、财产案件', amount: '10001' });
    assert.equal(await page.$eval('#txtFysf', (field) => field.title), await page.$eval('#steps', (pre) => pre.textContent));
    await calculate(page, { amount: 'abc' });
    await page.keyboard.press('Escape');
    assert.deepEqual(await page.evaluate(() => [document.getElementById('extras').hidden, document.getElementById('txtFysf').title]),
      [true, '']);
  });
});
