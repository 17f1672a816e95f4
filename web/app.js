// SPDX-License-Identifier: MIT
// The calculator window's event handlers, over the WebAssembly core. The page computes nothing
// itself: the catalogue, every fee and every message come from the core. A classic script, not
// a module, so that the page also runs opened straight from disk (file://), where browsers
// refuse to load module scripts.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);
  const makerAddress = 'http://zorvik.example';

  let core = null;
  // The last calculation, which the extras below the window describe.
  let lastCase = null;

  // FillKindList: empties List1, appends the kinds of the class that is on, selects the first.
  function fillKindList() {
    const list = $('List1');
    list.replaceChildren();
    for (const index of [0, 1]) {
      if ($(`Option1_${index}`).checked) {
        appendEntries(list, core.kindsOf(index));
      }
    }
    if (list.options.length > 0) {
      list.selectedIndex = 0;
      fillTypeList();  // selecting by program runs List1_Click, as a selection by the user does
    }
    showFullEntries();
  }

  // FillTypeList: empties List2, appends the types of the selected kind, selects the first.
  function fillTypeList() {
    const list = $('List2');
    list.replaceChildren();
    const kind = $('List1').selectedIndex >= 0 ? $('List1').value : '';
    appendEntries(list, core.typesOf(kind));
    if (list.options.length > 0) {
      list.selectedIndex = 0;
    }
    showFullEntries();
  }

  // The selected kind and type written out whole when their lists cut them; the style sheet
  // shows the lines only on narrow screens.
  function showFullEntries() {
    let any = false;
    for (const id of ['List1', 'List2']) {
      const entry = $(id).selectedOptions[0];
      const cut = entry?.title ?? '';
      $(`${id}-full`).textContent = cut && `${id === 'List1' ? '案件种类' : '案件类型'}：${cut}`;
      $(`${id}-full`).hidden = !cut;
      any ||= Boolean(cut);
    }
    $('fullEntries').hidden = !any;
  }

  // An entry wider than its list shows its whole text as a tooltip.
  const measure = document.createElement('canvas').getContext('2d');
  function appendEntries(list, texts) {
    measure.font = getComputedStyle(list).font;
    const room = list.clientWidth - 4;
    for (const text of texts) {
      const entry = new Option(text, text);
      if (measure.measureText(text).width > room) {
        entry.title = text;
      }
      list.append(entry);
    }
  }

  // Command1_Click: the Calculate command, then its message, if any, in the modal box.
  function calculate() {
    const typeText = $('List2').selectedIndex >= 0 ? $('List2').value : '';
    const outcome = core.computeFee(typeText, $('txtBd').value);
    if ($('txtBd').value !== outcome.amountText) {
      $('txtBd').value = outcome.amountText;
    }
    $('txtFysf').value = outcome.feeText;
    lastCase = outcome.feeText ? { typeText, amountText: outcome.amountText, feeText: outcome.feeText } : null;
    showExtras();
    announceFee(outcome.feeText);
    if (outcome.message) {
      showMessage(outcome.message);
    }
  }

  // Screen readers hear the fee once calculated; a failure is said by the message box. The text is
  // replaced, not kept, so that the same fee calculated again is said again.
  function announceFee(feeText) {
    const region = $('feeAnnounce');
    region.textContent = '';
    if (feeText) {
      setTimeout(() => { region.textContent = `法院收费 ${feeText} 元`; }, 50);
    }
  }

  // Centred over the calculator, as a message box is over its owner window, and kept on screen.
  function placeMessageBox(box) {
    const owner = $('Form1').getBoundingClientRect();
    const margin = 4;
    const within = (centre, size, room) => Math.max(margin, Math.min(centre - size / 2, room - size - margin));
    box.style.left = `${within(owner.left + owner.width / 2, box.offsetWidth, document.documentElement.clientWidth)}px`;
    box.style.top = `${within(owner.top + owner.height / 2, box.offsetHeight, window.innerHeight)}px`;
  }

  function showMessage(message) {
    const box = $('MsgBox');
    $('MsgBox-title').textContent = message.title;
    $('MsgBox-prompt').textContent = message.prompt;
    // Flags 48: exclamation icon; 16: critical (stop) icon. Both have only an OK button.
    box.classList.toggle('exclamation', message.flags === 48);
    box.classList.toggle('critical', message.flags === 16);
    const returnFocus = document.activeElement;
    box.addEventListener('close', () => returnFocus?.focus(), { once: true });
    box.showModal();
    placeMessageBox(box);
    $('MsgBox-ok').focus();
  }

  // The breakdown as `courtfee --explain` writes it: the rule and its basis, the bands, the
  // adjustments and the fee.
  function renderSteps(b) {
    const lines = [`案件类型：${b.type}`, `标的金额：${b.amountText} 元`,
      `依据：《诉讼费用交纳办法》${b.basis.article}${b.basis.feeKind === 'acceptance' ? '（案件受理费）' : '（申请费）'}`,
      `规则：${b.ruleWords}`];
    if (b.bands.length > 0) {
      lines.push('分段累计：');
      for (const band of b.bands) {
        lines.push(`  ${band.label}：${band.part ? `${band.part} × ${band.rate} = ` : ''}${band.amount}`);
      }
      lines.push(`  合计：${b.bandsTotal}`);
    }
    lines.push(...b.adjustments);
    if (b.chargedAtTopOfRange) {
      lines.push('注：有收费范围的，按最高限额计算。');
    }
    lines.push(...b.notes.map((note) => `说明：${note}`));
    lines.push(`法院收费：${b.feeText}`);
    const capitals = core.feeCapitals(b.feeText);
    if (capitals !== null) {
      lines.push(`大写：人民币${capitals}`);
    }
    return lines.join('\n');
  }

  // As in the window, the fee field's tooltip holds the calculation step by step after 计算.
  function showExtras() {
    const extras = $('extras');
    if (!lastCase) {
      extras.hidden = true;
      $('txtFysf').title = '';
      $('txtFysf').removeAttribute('aria-describedby');
      return;
    }
    const breakdown = core.explainFee(lastCase.typeText, lastCase.amountText);
    lastCase.applicationFee = breakdown.basis.feeKind !== 'acceptance';
    $('steps').textContent = renderSteps(breakdown);
    // The tooltip is for the pointer; a screen reader is pointed to the same steps below the window
    // rather than read them all as the field's description.
    $('txtFysf').title = $('steps').textContent;
    $('txtFysf').setAttribute('aria-describedby', 'txtFysf-description');
    $('copyState').textContent = '';
    showHalving();  // and the split, which says whether grounds for halving are ticked
    extras.hidden = false;
  }

  function buildHalvingReasons() {
    const box = $('halving-reasons');
    for (const reason of core.halvingReasons()) {
      const label = document.createElement('label');
      const check = document.createElement('input');
      check.type = 'checkbox';
      check.value = reason.chinese;
      check.addEventListener('change', showHalving);
      label.append(check, `${reason.chinese}（${reason.article}）`);
      box.append(label);
    }
  }

  function tickedReasons() {
    return [...$('halving-reasons').querySelectorAll('input:checked')].map((check) => check.value);
  }

  // The halving of the last fee on the grounds ticked, or null when there is none.
  function halvedCase() {
    const reasons = tickedReasons();
    if (!lastCase || lastCase.applicationFee || reasons.length === 0) {
      return null;
    }
    const halving = core.halveFee(reasons, lastCase.typeText, lastCase.amountText);
    return halving.halvedFee ? halving : null;
  }

  // Halved once, whatever grounds are combined. An application fee is never halved, nor split:
  // its controls are disabled and the reason shown at once.
  function showHalving() {
    const application = Boolean(lastCase?.applicationFee);
    for (const control of [...$('halving-reasons').querySelectorAll('input'), $('awarded')]) {
      control.disabled = application;
    }
    const reasons = tickedReasons();
    let text = '选择减半事由，显示减半后的收费。';
    let capitals = '';
    if (lastCase && (application || reasons.length > 0)) {
      const words = reasons.length > 0 ? reasons : [core.halvingReasons()[0].chinese];
      const halving = core.halveFee(words, lastCase.typeText, lastCase.amountText);
      text = halving.halvedFee
        ? `减半后收费：${halving.halvedFee}（全额 ${halving.feeText}，依${halving.articles}减半交纳）`
        : halving.refusal || halving.message?.prompt || '';
      const inCapitals = halving.halvedFee ? core.feeCapitals(halving.halvedFee) : null;
      capitals = inCapitals === null ? '' : `大写：人民币${inCapitals}`;
    }
    $('halved').textContent = text;
    $('halved-capitals').textContent = capitals;
    $('halved-capitals').hidden = !capitals;
    showSplit();
  }

  // With capitals, as a fee is written in a document: "15911.11（人民币壹万…壹分）".
  function withCapitals(fee) {
    const capitals = core.feeCapitals(fee);
    return capitals === null ? fee : `${fee}（人民币${capitals}）`;
  }

  // The proportional split of Article 29, as `courtfee --split` writes it.
  function showSplit() {
    const awarded = $('awarded').value;
    let text = '填写判决支持的金额，显示按比例分担的参考数额。';
    let basis = '';
    if (lastCase?.applicationFee) {
      text = core.splitFee('', lastCase.typeText, lastCase.amountText).note;
    } else if (lastCase && awarded !== '') {
      const split = core.splitFee(awarded, lastCase.typeText, lastCase.amountText);
      // Article 29 apportions the fee the case bears; the split here is of the full acceptance fee,
      // and says so when grounds for halving are ticked, as the page does not scale it itself.
      const halving = split.note ? null : halvedCase();
      basis = halving ? `以上按全额案件受理费 ${split.fee} 元分担，未计减半；减半后为 ${halving.halvedFee} 元，` +
        '实际负担以人民法院决定为准。' : '';
      text = split.note || [`案件受理费：${withCapitals(split.fee)}`, `原告负担：${withCapitals(split.plaintiffShare)}`,
        `被告负担：${withCapitals(split.defendantShare)}`,
        `按判决支持 ${awarded} 元占诉讼请求 ${split.amountText} 元的比例分担，${split.reference}`].join('\n');
    }
    $('split').textContent = text;
    $('split-basis').textContent = basis;
    $('split-basis').hidden = !basis;
  }

  async function copyFee() {
    if (!lastCase) {
      return;
    }
    try {
      // Says which fee it is: the full fee, or the fee halved on the grounds ticked.
      const halving = halvedCase();
      const text = halving
        ? `法院收费（减半后，依${halving.articles}减半交纳）：${withCapitals(halving.halvedFee)}`
        : `法院收费（全额）：${withCapitals(lastCase.feeText)}`;
      await navigator.clipboard.writeText(text);
      $('copyState').textContent = halving ? '已复制减半后的收费' : '已复制全额收费';
    } catch {
      $('copyState').textContent = '无法访问剪贴板';
    }
  }

  // Command2_Click: a page cannot close its own tab, so the calculator panel is closed instead,
  // leaving the fee rules open if they are; it can be opened again, as the program can be
  // started again.
  function closeCalculator() {
    $('Form1').hidden = true;
    $('extras').hidden = true;
    $('Form1-closed').hidden = false;
    $('Form1-reopen').focus();
  }

  function reopenCalculator() {
    $('Form1-closed').hidden = true;
    $('Form1').hidden = false;
    formLoad();
    bringToFront($('Form1'));
    $('Option1_0').focus();
  }

  // Command3_Click: one fee-rules panel; opened afresh with the Measures text, scrolled to the
  // top, or, when already open, shown in front as it is.
  function showFeeRules() {
    const panel = $('Form2');
    const text = $('Text1');
    if (panel.hidden) {
      text.value = text.defaultValue;
      panel.hidden = false;
      text.scrollTop = 0;
      text.setSelectionRange(0, 0);
    }
    bringToFront(panel);
    text.focus({ preventScroll: true });
    panel.scrollIntoView({ block: 'nearest' });
  }

  function closeFeeRules() {
    $('Form2').hidden = true;
    $($('Form1').hidden ? 'Form1-reopen' : 'Command3').focus();
  }

  function bringToFront(panel) {
    for (const other of document.querySelectorAll('.window')) {
      other.classList.toggle('front', other === panel);
    }
  }

  function openMaker() {
    window.open(makerAddress, '_blank', 'noopener,noreferrer');
  }

  // Form_Load: no class on and empty fields as stored, then the first class turned on.
  function formLoad() {
    for (const id of ['txtBd', 'txtFysf']) {
      $(id).value = '';
    }
    $('Option1_0').checked = false;
    $('Option1_1').checked = false;
    for (const check of $('halving-reasons').querySelectorAll('input')) {
      check.checked = false;
    }
    $('awarded').value = '';
    lastCase = null;
    showExtras();
    fillKindList();
    $('Option1_0').checked = true;
    fillKindList();  // Option1_Click
  }

  function wireEvents() {
    for (const index of [0, 1]) {
      $(`Option1_${index}`).addEventListener('change', fillKindList);
    }
    $('List1').addEventListener('change', fillTypeList);
    $('List2').addEventListener('change', showFullEntries);
    $('Command1').addEventListener('click', calculate);
    $('Command2').addEventListener('click', closeCalculator);
    $('Form1-close').addEventListener('click', closeCalculator);
    $('Form1-reopen').addEventListener('click', reopenCalculator);
    $('Command3').addEventListener('click', showFeeRules);
    $('Form2-close').addEventListener('click', closeFeeRules);
    $('MsgBox-ok').addEventListener('click', () => $('MsgBox').close());
    $('Label2_0').addEventListener('click', openMaker);
    $('Label2_2').addEventListener('click', openMaker);
    $('copyFee').addEventListener('click', copyFee);
    $('awarded').addEventListener('input', showSplit);
    window.addEventListener('resize', () => $('MsgBox').open && placeMessageBox($('MsgBox')));
    for (const panel of document.querySelectorAll('.window')) {
      panel.addEventListener('pointerdown', () => bringToFront(panel));
    }
  }

  // The window is 371 pixels wide with its frame; a phone narrower than that (360 is common)
  // shows the page slightly reduced rather than cut off.
  function fitNarrowScreens() {
    if (screen.width < 380) {
      $('viewport').setAttribute('content', `width=380, initial-scale=${(screen.width / 380).toFixed(3)}`);
    }
  }

  // Over HTTP(S) the page can be installed and kept offline; opened from disk it needs neither.
  function offerOffline() {
    if (!/^https?:$/.test(location.protocol)) {
      return;
    }
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    if ('serviceWorker' in navigator) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  }

  function start(loaded) {
    core = loaded;
    $('Option1_0-caption').textContent = core.classText(0);
    $('Option1_1-caption').textContent = core.classText(1);
    buildHalvingReasons();
    wireEvents();
    formLoad();
    $('Option1_0').focus({ preventScroll: true });
    document.documentElement.dataset.ready = 'true';
    document.dispatchEvent(new Event('courtfee-ready'));
  }

  fitNarrowScreens();
  offerOffline();
  if (typeof CourtFee !== 'function') {
    $('load-failure').hidden = false;
    return;
  }
  CourtFee().then(start, () => {
    $('load-failure').hidden = false;
  });
})();
