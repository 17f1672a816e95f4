// SPDX-License-Identifier: MIT
// The calculator page: a view of the core's Calculator (present/calculator.h). Each control's
// event goes to the Calculator by the window's handler name, and the page then draws what the
// Calculator holds; it computes and decides nothing. What is the page's own: pixels and fonts,
// focus, where the message box stands, the full entry lines on narrow screens, the clipboard,
// the live region's timing, offline use and fitting the viewport. A classic script, not a
// module, so that the page also runs opened straight from disk (file://), where browsers refuse
// to load module scripts.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);

  let calculator = null;
  // The list versions last drawn: a list is refilled only when the Calculator refilled it.
  const drawn = { kinds: -1, types: -1 };
  // What the copy button last put on the clipboard, while it is still the fee to copy.
  let copied = '';

  // Sets a field only when it differs, so that the caret of a field being typed in stays put.
  function setValue(field, text) {
    if (field.value !== text) {
      field.value = text;
    }
  }

  // An entry wider than its list shows its whole text as a tooltip.
  const measure = document.createElement('canvas').getContext('2d');
  function fillList(list, texts) {
    list.replaceChildren();
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

  // The selected kind and type written out whole when their lists cut them, after the label that
  // names the list; the style sheet shows the lines only on narrow screens.
  function drawFullEntries() {
    let any = false;
    for (const list of [$('List1'), $('List2')]) {
      const cut = list.selectedOptions[0]?.title ?? '';
      const line = $(`${list.id}-full`);
      line.textContent = cut && `${list.labels[0].textContent}${cut}`;
      line.hidden = !cut;
      any ||= Boolean(cut);
    }
    $('fullEntries').hidden = !any;
  }

  function drawLists() {
    if (drawn.kinds !== calculator.kindsVersion()) {
      fillList($('List1'), calculator.kinds());
      drawn.kinds = calculator.kindsVersion();
    }
    if (drawn.types !== calculator.typesVersion()) {
      fillList($('List2'), calculator.types());
      drawn.types = calculator.typesVersion();
    }
    $('List1').selectedIndex = calculator.kindRow();
    $('List2').selectedIndex = calculator.typeRow();
    drawFullEntries();
  }

  // As in the window, the fee field's tooltip holds the calculation step by step; a screen reader
  // is pointed to the same steps below the window rather than read them all as a description.
  function drawExplanation() {
    const text = calculator.explanation().map((line) => line.text).join('\n');
    $('steps').textContent = text;
    $('txtFysf').title = text;
    if (text) {
      $('txtFysf').setAttribute('aria-describedby', 'txtFysf-description');
    } else {
      $('txtFysf').removeAttribute('aria-describedby');
    }
  }

  function drawExtras() {
    const extras = calculator.extras();
    for (const check of $('halving-reasons').querySelectorAll('input')) {
      check.checked = calculator.halvingReasonTicked(Number(check.value));
    }
    setValue($('awarded'), calculator.awardedText());
    $('extras').hidden = !extras.shown || $('Form1').hidden;
    for (const control of [...$('halving-reasons').querySelectorAll('input'), $('awarded')]) {
      control.disabled = !extras.applicable;
    }
    for (const [id, text] of [['halved', extras.halving], ['halved-capitals', extras.halvingCapitals],
      ['split', extras.split]]) {
      $(id).textContent = text;
    }
    $('halved-capitals').hidden = !extras.halvingCapitals;
    if (copied !== extras.copyText) {
      copied = '';
      $('copyState').textContent = '';
    }
  }

  // The whole window from the Calculator's state.
  function draw() {
    for (const option of document.querySelectorAll('input[name="Option1"]')) {
      option.checked = Number(option.value) === calculator.classOn();
    }
    drawLists();
    setValue($('txtBd'), calculator.amountText());
    setValue($('txtFysf'), calculator.feeText());
    drawExplanation();
    drawExtras();
  }

  // An event for the Calculator, then the window drawn again.
  const forward = (handle) => (event) => {
    handle(event.target);
    draw();
  };

  // Screen readers hear the fee once calculated; a refusal is said by the message box. The text
  // is replaced, not kept, so that the same fee calculated again is said again.
  function announce(text) {
    const region = $('feeAnnounce');
    region.textContent = '';
    if (text) {
      setTimeout(() => { region.textContent = text; }, 50);
    }
  }

  // Command1_Click: one calculation in the core, then its notice, if any, in the modal box.
  function calculate() {
    const notice = calculator.Command1Click();
    draw();
    announce(calculator.announcement());
    if (notice) {
      showMessage(notice);
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

  function showMessage(notice) {
    const box = $('MsgBox');
    $('MsgBox-title').textContent = notice.title;
    $('MsgBox-prompt').textContent = notice.prompt;
    box.dataset.icon = notice.icon;
    const returnFocus = document.activeElement;
    box.addEventListener('close', () => returnFocus?.focus(), { once: true });
    box.showModal();
    placeMessageBox(box);
    $('MsgBox-ok').focus();
  }

  async function copyFee() {
    const { copyText, copiedMessage } = calculator.extras();
    try {
      await navigator.clipboard.writeText(copyText);
      copied = copyText;
      $('copyState').textContent = copiedMessage;
    } catch {
      $('copyState').textContent = $('copyState').dataset.unavailable;
    }
  }

  // Form_Load, as when the program starts.
  function formLoad() {
    calculator.FormLoad();
    draw();
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

  // The grounds for halving, by their place in the core's list.
  function buildHalvingReasons(reasons) {
    reasons.forEach((reason, index) => {
      const label = document.createElement('label');
      const check = document.createElement('input');
      check.type = 'checkbox';
      check.value = String(index);
      label.append(check, `${reason.chinese}（${reason.article}）`);
      $('halving-reasons').append(label);
    });
  }

  function wireEvents() {
    for (const option of document.querySelectorAll('input[name="Option1"]')) {
      option.addEventListener('change', forward((radio) => calculator.Option1Click(Number(radio.value))));
    }
    $('List1').addEventListener('change', forward((list) => calculator.List1Click(list.selectedIndex)));
    $('List2').addEventListener('change', forward((list) => calculator.List2Click(list.selectedIndex)));
    $('txtBd').addEventListener('input', forward((field) => calculator.TypeAmount(field.value)));
    $('txtFysf').addEventListener('input', forward((field) => calculator.TypeFee(field.value)));
    $('halving-reasons').addEventListener('change', forward((check) =>
      calculator.TickHalvingReason(Number(check.value), check.checked)));
    $('awarded').addEventListener('input', forward((field) => calculator.TypeAwarded(field.value)));
    $('Command1').addEventListener('click', calculate);
    $('Command2').addEventListener('click', closeCalculator);
    $('Form1-close').addEventListener('click', closeCalculator);
    $('Form1-reopen').addEventListener('click', reopenCalculator);
    $('Command3').addEventListener('click', showFeeRules);
    $('Form2-close').addEventListener('click', closeFeeRules);
    $('MsgBox-ok').addEventListener('click', () => $('MsgBox').close());
    // The maker's lines open the address that the link beside them shows.
    const maker = document.querySelector('a.maker');
    for (const line of document.querySelectorAll('span.maker')) {
      line.addEventListener('click', () => window.open(maker.getAttribute('href'), '_blank', 'noopener,noreferrer'));
    }
    $('copyFee').addEventListener('click', copyFee);
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

  function start(core) {
    calculator = new core.Calculator();
    buildHalvingReasons(core.halvingReasons());
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
