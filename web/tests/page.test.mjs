// SPDX-License-Identifier: MIT
// The calculator page in headless Chromium: what only the page can show. What the window does is
// the core's Calculator, tested natively; here every event must reach it and its state be drawn,
// the controls stand where the window's control table puts them, the keyboard, the message box
// and narrow screens work, and nothing leaves the device. Run with `node --test tests/`.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { inflateSync } from 'node:zlib';
import { focused, launchChromium, loadCore, openPage, pageUrl, rect, saidTwice, serveSite } from './browser.mjs';

let browser;
let core;
let form1;
before(async () => {
  browser = await launchChromium();
  core = await loadCore();
  form1 = core.controlTable().form1;
});
after(() => browser?.close());

// A test on a page of its own, closed however the test ends.
const withPage = (options, test) => async () => {
  const opened = await openPage(browser, options);
  try {
    await test(opened);
  } finally {
    await opened.page.close();
  }
};

const press = (id, ...keys) => async (page) => {
  await page.focus(`#${id}`);
  for (const key of keys) {
    await page.keyboard.press(key);
  }
};
// Typed over whatever the field holds, or after it.
const typeInto = (id, text, { after = false } = {}) => async (page) => {
  await page.$eval(`#${id}`, (field, end) => {
    field.focus();
    field.setSelectionRange(end ? field.value.length : 0, field.value.length);
  }, after);
  await page.keyboard.type(text);
};
const click = (selector) => (page) => page.click(selector);
// The red, green and blue of one pixel on screen, from the PNG of it alone.
const pixel = async (page, x, y) => {
  const png = await page.screenshot({ clip: { x, y, width: 1, height: 1 }, captureBeyondViewport: false });
  const chunks = [];
  for (let at = 8; at < png.length; at += 12 + png.readUInt32BE(at)) {
    if (png.toString('latin1', at + 4, at + 8) === 'IDAT') {
      chunks.push(png.subarray(at + 8, at + 8 + png.readUInt32BE(at)));
    }
  }
  // A lone pixel's filter leaves its bytes as they are.
  return [...inflateSync(Buffer.concat(chunks)).subarray(1, 4)];
};
// Enter closes the message box; what comes next waits for it to be gone, as a person does.
const closeNotice = async (page) => {
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.getElementById('MsgBox').open);
};
const calculate = (amount) => async (page) => {
  await typeInto('txtBd', amount)(page);
  await page.click('#Command1');
};
const calculated = (amount) => (c) => {
  c.TypeAmount(amount);
  return c.Command1Click();
};

// What the page shows of the window, the explanation and the extras.
const drawn = (page) => page.evaluate(() => {
  const $ = (id) => document.getElementById(id);
  const list = (id) => ({ entries: [...$(id).options].map((entry) => entry.text), row: $(id).selectedIndex });
  const text = (id) => $(id).textContent;
  return {
    classOn: [...document.querySelectorAll('input[name="Option1"]')].findIndex((option) => option.checked),
    kinds: list('List1'), types: list('List2'), amount: $('txtBd').value, fee: $('txtFysf').value,
    steps: text('steps'), tooltip: $('txtFysf').title,
    extras: $('extras').hidden ? null : { disabled: $('awarded').disabled, halving: text('halved'),
      halvingCapitals: text('halved-capitals'), split: text('split'), prepay: text('prepay'),
      notes: [...$('notes').children].map((note) => note.textContent), change: text('change'), appeal: text('appeal'),
      refund: text('refund'), fields: [$('awarded').value, $('changed').value, $('appealed').value, $('refundGround').value] },
    notice: $('MsgBox').open ? { title: text('MsgBox-title'), prompt: text('MsgBox-prompt'), icon: $('MsgBox').dataset.icon } : null,
  };
});

// The same from the Calculator under Node, with the notice of its last event.
const expected = (calculator, notice) => {
  const explanation = calculator.explanation().map((line) => line.text).join('\n');
  const extras = calculator.extras();
  return {
    classOn: calculator.classOn(),
    kinds: { entries: calculator.kinds(), row: calculator.kindRow() },
    types: { entries: calculator.types(), row: calculator.typeRow() },
    amount: calculator.amountText(), fee: calculator.feeText(), steps: explanation, tooltip: explanation,
    extras: extras.shown ? { disabled: !extras.applicable, halving: extras.halving, halvingCapitals: extras.halvingCapitals,
      split: extras.split, prepay: extras.prepay, notes: extras.notes, change: extras.change, appeal: extras.appeal,
      refund: extras.refund, fields: [calculator.awardedText(), calculator.changedAmountText(), calculator.appealedText(),
        String(calculator.refundGround())] } : null,
    notice: notice ? { title: notice.title, prompt: notice.prompt, icon: notice.icon } : null,
  };
};

describe('the page draws the Calculator', () => {
  // [what happens, done on the page, the same for the Calculator under Node (giving its notice, if
  // any), what else to check]
  const steps = [
    ['Form_Load at start-up', async () => {}, (c) => c.FormLoad()],
    ['a class clicked', click('#Option1_1'), (c) => c.Option1Click(1)],
    ['the other class by an arrow key', press('Option1_1', 'ArrowLeft'), (c) => c.Option1Click(0)],
    ['three kinds by the arrow key', press('List1', 'ArrowDown', 'ArrowDown', 'ArrowDown'),
      (c) => { c.List1Click(1); c.List1Click(2); c.List1Click(3); }],
    ['计算, an application fee, each line of its steps said once', calculate('10001'), calculated('10001'),
      async (page) => assert.deepEqual(await page.evaluate(saidTwice), [])],
    ['the first kind, a type and back', async (page) => {
      await press('List1', 'Home')(page);
      await press('List2', 'ArrowDown', 'ArrowUp')(page);
    }, (c) => { c.List1Click(0); c.List2Click(1); c.List2Click(0); }],
    ['计算, an acceptance fee', calculate('1000000'), calculated('1000000'),
      (page, c) => page.waitForFunction((said) => document.getElementById('feeAnnounce').textContent === said, {},
        c.announcement())],
    ['a ground for halving ticked', click('#halving-reasons input[value="2"]'), (c) => c.TickHalvingReason(2, true)],
    ['the awarded amount typed', typeInto('awarded', '250000'), (c) => c.TypeAwarded('250000')],
    ['the claim changed, an appeal on a part, a refund\'s ground', async (page) => {
      await typeInto('changed', '2000000')(page);
      await typeInto('appealed', '400000')(page);
      await page.select('#refundGround', '1');
    }, (c) => { c.TypeChangedAmount('2000000'); c.TypeAppealed('400000'); c.ChooseRefundGround(1); }],
    ['the next case starts its extras afresh', calculate('1000001'), calculated('1000001')],
    ['the fee copied', click('#copyFee'), () => {}, async (page, c) => {
      await page.waitForFunction(() => document.getElementById('copyState').textContent !== '');
      assert.deepEqual(await page.evaluate(() => [window.copied, document.getElementById('copyState').textContent]),
        [c.extras().copyText, c.extras().copiedMessage]);
    }],
    ['the fee typed over', typeInto('txtFysf', '9', { after: true }), (c) => c.TypeFee(`${c.feeText()}9`),
      async (page) => {
        const now = await drawn(page);
        assert.deepEqual([now.extras, now.steps, now.tooltip], [null, '', ''], 'no explanation of a fee typed by hand');
      }],
    ['计算 of an amount that is not a number', calculate('1万'), calculated('1万')],
    ['计算 that fails', async (page) => {
      await closeNotice(page);
      await calculate('1e400')(page);
    }, calculated('1e400')],
    ['退出 and 重新打开', async (page) => {
      await closeNotice(page);
      await page.click('#Command2');
      await page.click('#Form1-reopen');
    }, (c) => c.FormLoad()],
  ];

  it('forwards each event to the Calculator and draws what it then holds', withPage({}, async ({ page, problems }) => {
    await page.evaluate(() => {
      navigator.clipboard.writeText = async (text) => { window.copied = text; };
    });
    const calculator = new core.Calculator();
    try {
      for (const [name, act, mirror, check] of steps) {
        await act(page);
        const notice = mirror(calculator);
        assert.deepEqual(await drawn(page), expected(calculator, notice), name);
        await check?.(page, calculator);
      }
    } finally {
      calculator.delete();
    }
    assert.deepEqual(problems, []);
  }));
});

describe('the window as its control table has it', () => {
  it('puts each control at its place, each list entry in a row as tall as its glyphs', withPage({}, async ({ page }) => {
    const { form2 } = core.controlTable();
    await page.click('#Command3');
    await page.click('#Option1_1');
    // Option buttons stand in a box of their own; labels size themselves, so only their corner.
    const places = [...form1.controls.map((c) => [c.kind === 'OptionButton' ? `${c.name}-box` : c.name, c,
      c.kind === 'Label' ? 2 : 4]), ['Line1', form1.line1, 4], ['Text1', form2.text1, 4]];
    const measured = await page.evaluate((ids) => Object.fromEntries(ids.map((id) => {
      const r = document.getElementById(id).getBoundingClientRect();
      const client = document.getElementById(id).closest('.client').getBoundingClientRect();
      return [id, [r.left - client.left, r.top - client.top, r.width, r.height].map(Math.round)];
    })), places.map(([id]) => id));
    for (const [id, place, count] of places) {
      assert.deepEqual(measured[id].slice(0, count), [place.left, place.top, place.width, place.height].slice(0, count), id);
    }
    const clients = await Promise.all(['#Form1 .client', '#Form2 .client'].map((selector) => rect(page, selector)));
    assert.deepEqual(clients.map((r) => [r.width, r.height]), [[form1.width, form1.height], [form2.width, form2.height]]);
    // The whole pixels an entry's glyphs cover, above and below the baseline, within its row.
    const short = await page.$eval('#List1', (list) => {
      const pen = document.createElement('canvas').getContext('2d');
      pen.font = getComputedStyle(list).font;
      return [...list.options].filter((entry) => {
        const ink = pen.measureText(entry.text);
        return entry.getBoundingClientRect().height < ink.actualBoundingBoxAscent + ink.actualBoundingBoxDescent;
      }).map((entry) => entry.text);
    });
    assert.deepEqual(short, []);
  }));

  it('names each control by its label or caption, and Tab visits them in the window\'s order', withPage({}, async ({ page }) => {
    const calculator = new core.Calculator();
    calculator.FormLoad();
    const labels = Object.fromEntries(form1.controls.filter((c) => c.buddy).map((c) => [c.buddy, c.caption]));
    const focusable = form1.controls.filter((c) => c.kind !== 'Label').sort((a, b) => a.tabIndex - b.tabIndex);
    for (const control of focusable) {
      const node = await page.accessibility.snapshot({ root: await page.$(`#${control.name}`) });
      assert.equal(node.name, labels[control.name] ?? control.caption, control.name);
    }
    // A group of option buttons is one stop: the option that is on.
    const options = focusable.filter((c) => c.kind === 'OptionButton');
    const order = focusable.filter((c) => c.kind !== 'OptionButton' || c === options[calculator.classOn()]).map((c) => c.name);
    calculator.delete();
    const visited = [await focused(page)];
    for (let i = 1; i < order.length; i++) {
      await page.keyboard.press('Tab');
      visited.push(await focused(page));
    }
    assert.deepEqual(visited, order);
  }));
});

describe('the message box', () => {
  it('is modal over the whole page, Enter and Esc close it and the focus returns; Enter in the amount calculates nothing', withPage({}, async ({ page }) => {
    const open = () => page.$eval('#MsgBox', (box) => box.open);
    await typeInto('txtBd', 'abc')(page);
    await page.keyboard.press('Enter');
    assert.equal(await open(), false);
    await page.keyboard.press('Escape');
    assert.equal(await page.$eval('#Form1', (form) => form.hidden), false);
    await page.focus('#Command1');
    await page.keyboard.press('Enter');
    assert.deepEqual([await open(), await focused(page)], [true, 'MsgBox-ok']);
    // The desk dimmed alike at the page's edge, in the scroll-bar gutter, and beside the window.
    const [edge, beside] = [await pixel(page, 2, 300), await pixel(page, 60, 300)];
    assert.ok(edge.every((level, index) => Math.abs(level - beside[index]) <= 1), `${edge} at the edge, ${beside} beside`);
    for (let i = 0; i < 3; i++) {
      await page.keyboard.press('Tab');
      assert.ok(['MsgBox-ok', ''].includes(await focused(page)), 'the focus stays in the box or leaves the page');
    }
    await page.focus('#MsgBox-ok');
    await page.keyboard.press('Enter');
    assert.deepEqual([await open(), await focused(page)], [false, 'Command1']);
    await page.keyboard.press('Enter');
    assert.equal(await open(), true);
    await page.keyboard.press('Escape');
    assert.deepEqual([await open(), await focused(page)], [false, 'Command1']);
  }));
});

describe('the desk at any width it is shown', () => {
  for (const options of [{ width: 380, height: 740 }, { width: 414, height: 740 }, { width: 1024, height: 768 }]) {
    const narrow = options.width < 770;
    it(`${options.width} pixels wide: the window whole, ${narrow ? '' : 'no '}cut entries written out, the message box over it, the fee rules ${narrow ? 'over' : 'beside'} it, a way back after 退出`,
      withPage(options, async ({ page }) => {
        assert.ok(await page.evaluate(() => document.scrollingElement.scrollWidth <= document.scrollingElement.clientWidth), 'no sideways scrolling');
        // An entry its list cuts ends in "…" with its whole text as its tooltip, and is written out whole
        // under the window, where touch shows no tooltip.
        await page.click('#Option1_1');
        const [cut, ending] = await page.$eval('#List1', (list) => {
          const entry = [...list.options].find((option) => option.title === option.text);
          return [entry?.text, getComputedStyle(entry).textOverflow];
        });
        assert.equal(ending, 'ellipsis');
        await page.select('#List1', cut);
        assert.deepEqual(await page.$eval('#List1-full', (line) => [line.textContent, line.checkVisibility()]),
          [`${form1.controls.find((c) => c.buddy === 'List1').caption}${cut}`, narrow]);
        const calculator = await rect(page, '#Form1');
        assert.ok(calculator.left >= 0 && calculator.right <= await page.evaluate(() => visualViewport.width));
        await calculate('abc')(page);
        const box = await rect(page, '#MsgBox');
        assert.ok(box.left >= 0 && box.top >= 0 && box.right <= options.width && box.bottom <= options.height, 'on screen');
        assert.ok(Math.abs(box.left + box.right - calculator.left - calculator.right) <= 2 &&
          Math.abs(box.top + box.bottom - calculator.top - calculator.bottom) <= 2, 'centred over the calculator');
        await page.keyboard.press('Escape');
        await page.click('#Command3');
        const rules = await rect(page, '#Form2');
        assert.equal(rules.top, calculator.top);
        assert.equal(narrow ? rules.left <= calculator.left && rules.right >= calculator.right && rules.bottom >= calculator.bottom
          : rules.left >= calculator.right && rules.right <= options.width, true, JSON.stringify({ calculator, rules }));
        await press('Command2', 'Enter')(page);  // under the fee rules on a phone
        assert.equal(await focused(page), 'Form1-reopen');
        const reopen = await rect(page, '#Form1-reopen');
        const onTop = await page.evaluate(({ x, y }) => document.elementFromPoint(x, y)?.id,
          { x: (reopen.left + reopen.right) / 2, y: (reopen.top + reopen.bottom) / 2 });
        assert.equal(onTop, 'Form1-reopen');
      }));
  }
});

describe('what the page adds below the window', () => {
  it('keeps the court\'s figure on the device, charges it at the next 计算, refuses one outside its range in the core\'s words', withPage({}, async ({ page }) => {
    const calculator = new core.Calculator();
    const row = '.figure-row[data-type="1、离婚案件"]';
    const setFigure = async (text) => {
      await page.click(`${row} input`, { count: 3 });
      await page.type(`${row} input`, text);
      await page.keyboard.press('Tab');
      return page.$eval(`${row} .figure-note`, (note) => note.textContent);
    };
    await page.click('#figures summary');
    assert.equal(await setFigure('400'), calculator.setFigure('1、离婚案件', '400'));
    assert.equal(await setFigure('200'), '');
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    await page.click('#List1 option:nth-child(2)');
    await page.click('#Command1');
    assert.equal(await page.$eval('#txtFysf', (fee) => fee.value), '200.00');
    calculator.delete();
  }));

  it('leaves 计算 its click when a larger minimum font size widens the maker\'s lines', withPage({}, async ({ page }) => {
    await page.$$eval('.client .maker', (lines) => lines.forEach((line) => { line.style.fontSize = '24px'; }));
    const button = await rect(page, '#Command1');
    assert.equal(await page.evaluate(({ x, y }) => document.elementFromPoint(x, y).id,
      { x: button.left + button.width / 2, y: button.top + button.height / 2 }), 'Command1');
  }));
});

describe('nothing leaves the device', () => {
  it('opened from disk, the page loads only its own files, and its policy blocks anything else', withPage({}, async ({ page, requests, problems }) => {
    await calculate('10000')(page);
    await page.click('#Command3');
    const blocked = await page.evaluate(() => new Promise((resolve) => {
      document.addEventListener('securitypolicyviolation', (e) => resolve(e.effectiveDirective), { once: true });
      const img = document.createElement('img');
      img.src = 'https://example.com/pixel.png';
      document.body.append(img);
    }));
    assert.equal(blocked, 'img-src');
    const site = pageUrl.slice(0, pageUrl.lastIndexOf('/') + 1);
    // The one foreign address is the image the policy has just refused.
    assert.deepEqual(requests.filter((url) => !url.startsWith(site) && !url.startsWith('data:')), ['https://example.com/pixel.png']);
    assert.deepEqual(problems.filter((problem) => !problem.includes('example.com')), []);
  }));

  it('served over HTTP, it keeps itself offline and calculates with the network gone; its module loads', async () => {
    const { server, origin } = await serveSite();
    try {
      await withPage({ url: `${origin}/` }, async ({ page, requests, problems }) => {
        assert.equal(await page.$eval('link[rel="manifest"]', (link) => link.href), `${origin}/manifest.webmanifest`);
        const fee = () => calculate('10001')(page).then(() => page.$eval('#txtFysf', (field) => field.value));
        const online = await fee();
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.setOfflineMode(true);
        await page.reload();
        await page.waitForSelector('html[data-ready]');
        assert.equal(await page.evaluate(() => navigator.serviceWorker.controller !== null), true);
        assert.deepEqual([await fee(), online !== ''], [online, true]);
        const answer = await page.evaluate(async () => (await (await import('./courtfee.mjs')).default()).classText(0));
        assert.equal(answer, core.classText(0));
        assert.deepEqual(requests.filter((url) => !url.startsWith(`${origin}/`) && !url.startsWith('data:')), []);
        assert.deepEqual(problems, []);
      })();
    } finally {
      server.close();
    }
  });
});
