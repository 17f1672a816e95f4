// SPDX-License-Identifier: MIT
// The calculator page: two layouts, each a view of the core's Calculator (present/calculator.h).
// On a desk the page draws the calculator window; on a phone (a coarse pointer, or a screen
// narrower than the window) one column for a thumb. Each control's event goes to the layout's
// Calculator, and the page then draws what it holds; it computes and decides nothing. What is
// the page's own: pixels and fonts, focus, where the message box stands, the clipboard and the
// share sheet, the device's storage, the clock of a history entry, the live regions' timing,
// offline use. A classic script, not a module, so that the page also runs opened straight from
// disk (file://), where browsers refuse to load module scripts. It runs before the core has
// arrived: the layout takes typing at once, and what was typed is priced once the core is there.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);
  const phoneLayout = matchMedia('(pointer: coarse), (max-width: 379px)');
  const onPhone = () => phoneLayout.matches;

  let core = null;
  let desk = null;   // the window's Calculator
  let phone = null;  // the phone column's
  const active = () => (onPhone() ? phone : desk);

  // The device's own storage; a browser that refuses it (private mode, a file:// page in some
  // browsers) just keeps nothing.
  const store = {
    get: (key) => { try { return localStorage.getItem(key) ?? ''; } catch { return ''; } },
    set: (key, value) => { try { localStorage.setItem(key, value); } catch { /* kept nowhere */ } },
  };
  const figuresKey = 'zorvikquillet-figures';
  const historyKey = 'zorvikquillet-history';

  // The list versions last drawn: a list is refilled only when the Calculator refilled it.
  const drawn = { kinds: -1, types: -1, phoneKinds: -1, phoneTypes: -1 };
  // What the copy button last put on the clipboard, while it is still the fee to copy.
  let copied = '';
  // On a phone the extras wait for the frame that shows the first fee: laying out their text
  // would hold that frame back.
  let extrasHeld = true;

  // Sets a field only when it differs, so that the caret of a field being typed in stays put.
  function setValue(field, text) {
    if (field.value !== text) {
      field.value = text;
    }
  }

  function fillSelect(select, texts, value = (text, index) => String(index)) {
    select.replaceChildren(...texts.map((text, index) => new Option(text, value(text, index))));
  }

  // ---- The desk: the calculator window ----

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
    if (drawn.kinds !== desk.kindsVersion()) {
      fillList($('List1'), desk.kinds());
      drawn.kinds = desk.kindsVersion();
    }
    if (drawn.types !== desk.typesVersion()) {
      fillList($('List2'), desk.types());
      drawn.types = desk.typesVersion();
    }
    $('List1').selectedIndex = desk.kindRow();
    $('List2').selectedIndex = desk.typeRow();
    drawFullEntries();
  }

  // As in the window, the fee field's tooltip holds the calculation step by step; a screen reader
  // is pointed to the same steps below the window rather than read them all as a description.
  function drawDesk() {
    for (const option of document.querySelectorAll('input[name="Option1"]')) {
      option.checked = Number(option.value) === desk.classOn();
    }
    drawLists();
    setValue($('txtBd'), desk.amountText());
    setValue($('txtFysf'), desk.feeText());
    const text = desk.explanation().map((line) => line.text).join('\n');
    $('txtFysf').title = text;
    if (text) {
      $('txtFysf').setAttribute('aria-describedby', 'txtFysf-description');
    } else {
      $('txtFysf').removeAttribute('aria-describedby');
    }
  }

  // Screen readers hear the fee once calculated; a refusal is said by the message box. The text
  // is replaced, not kept, so that the same fee calculated again is said again.
  function announce(region, text) {
    region.textContent = '';
    if (text) {
      setTimeout(() => { region.textContent = text; }, 50);
    }
  }

  // Command1_Click: one calculation in the core, then its notice, if any, in the modal box.
  function calculate() {
    const notice = desk.Command1Click();
    draw();
    announce($('feeAnnounce'), desk.announcement());
    if (notice) {
      showMessage(notice);
    }
  }

  // Centred over the calculator, as a message box is over its owner window, and kept on screen.
  function placeMessageBox(box) {
    const owner = $('Form1').getBoundingClientRect();
    const margin = 4;
    const within = (centre, size, room) => Math.max(margin, Math.min(centre - size / 2, room - size - margin));
    const left = within(owner.left + owner.width / 2, box.offsetWidth, document.documentElement.clientWidth);
    box.style.left = `${left}px`;
    box.style.top = `${within(owner.top + owner.height / 2, box.offsetHeight, window.innerHeight)}px`;
    // Chromium places the top layer beside the scroll-bar gutter the page keeps: undo the drift.
    box.style.left = `${2 * left - box.getBoundingClientRect().left}px`;
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

  // Form_Load, as when the program starts.
  function formLoad() {
    desk.FormLoad();
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

  // Command3_Click: one fee-rules panel; opened afresh, scrolled to the top, or, when already
  // open, shown in front as it is. Its text is read-only: the focus brings up no keyboard.
  function showFeeRules() {
    const panel = $('Form2');
    const text = $('Text1');
    if (panel.hidden) {
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

  // ---- What the core adds, for either layout: the extras and the court's figures ----

  // The extras and the figures stand under the window on a desk and in the column on a phone.
  function placePanels() {
    const home = onPhone() ? $('phone-panels') : document.querySelector('.desk');
    const before = onPhone() ? null : $('Form1-closed');
    for (const panel of [$('extras'), $('figures')]) {
      if (panel.parentElement !== home) {
        home.insertBefore(panel, before);
      }
    }
    $('steps-box').open = !onPhone();
  }

  function buildChoices(reasons, grounds) {
    reasons.forEach((reason, index) => {
      const label = document.createElement('label');
      const check = document.createElement('input');
      check.type = 'checkbox';
      check.value = String(index);
      label.append(check, `${reason.chinese}（${reason.article}）`);
      $('halving-reasons').append(label);
    });
    grounds.forEach((ground, index) => {
      $('refundGround').append(new Option(`${ground.chinese}（${ground.article}）`, String(index)));
    });
  }

  function drawExtras(calculator) {
    const extras = calculator.extras();
    for (const check of $('halving-reasons').querySelectorAll('input')) {
      check.checked = calculator.halvingReasonTicked(Number(check.value));
    }
    setValue($('awarded'), calculator.awardedText());
    setValue($('changed'), calculator.changedAmountText());
    setValue($('appealed'), calculator.appealedText());
    $('refundGround').value = String(calculator.refundGround());
    $('extras').hidden = extrasHeld || !extras.shown || (calculator === desk && $('Form1').hidden);
    for (const control of [...$('halving-reasons').querySelectorAll('input'), $('awarded'), $('changed'), $('appealed')]) {
      control.disabled = !extras.applicable;
    }
    $('steps').textContent = calculator.explanation().map((line) => line.text).join('\n');
    for (const id of ['prepay', 'split', 'change', 'appeal', 'refund']) {
      $(id).textContent = extras[id];
    }
    $('halved').textContent = extras.halving;
    $('halved-capitals').textContent = extras.halvingCapitals;
    $('halved-capitals').hidden = !extras.halvingCapitals;
    $('notes').replaceChildren(...extras.notes.map((note) => Object.assign(document.createElement('li'), { textContent: note })));
    if (copied !== extras.copyText) {
      copied = '';
      $('copyState').textContent = '';
      $('copyFallback').hidden = true;
    }
  }

  // Each ranged type with its range, the figure in force and a field to set the court's own.
  function drawFigures() {
    const rows = active().figureRows();
    const box = $('figure-rows');
    if (box.children.length !== rows.length) {
      box.replaceChildren(...rows.map((row) => {
        const line = document.createElement('div');
        line.className = 'figure-row';
        line.dataset.type = row.type;
        const name = Object.assign(document.createElement('p'), { textContent: row.type });
        const range = document.createElement('p');
        const input = Object.assign(document.createElement('input'), { type: 'text', inputMode: 'numeric', autocomplete: 'off' });
        input.setAttribute('aria-label', row.fieldName);
        const note = Object.assign(document.createElement('p'), { className: 'figure-note' });
        note.setAttribute('aria-live', 'polite');
        line.append(name, range, input, note);
        return line;
      }));
    }
    rows.forEach((row, index) => {
      box.children[index].children[1].textContent = row.line;
    });
  }

  // A figure typed and left: kept on both Calculators and on the device, or refused in the core's
  // words; the phone's fee follows it at once, the desk's at the next 计算.
  function setFigure(event) {
    const line = event.target.closest('.figure-row');
    const text = event.target.value.trim();
    const note = phone.setFigure(line.dataset.type, text);
    line.querySelector('.figure-note').textContent = note;
    if (!note) {
      desk.setFigure(line.dataset.type, text);
      store.set(figuresKey, phone.figuresText());
      event.target.value = '';
      if (onPhone()) {
        reckon();
      }
    }
    drawFigures();
  }

  // The clipboard where the page may use it (HTTPS, localhost, a file), else the old way through a
  // selected text (an intranet over plain HTTP), else the text left selected to copy by hand.
  async function copyOut(text, state, fallback, done) {
    fallback.hidden = true;
    try {
      await navigator.clipboard.writeText(text);
      state.textContent = done;
      return true;
    } catch {
      fallback.value = text;
      fallback.hidden = false;
      fallback.focus();
      fallback.select();
      let ok = false;
      try {
        ok = document.execCommand('copy');
      } catch {
        ok = false;
      }
      fallback.hidden = ok;
      state.textContent = ok ? done : $('copyState').dataset.unavailable;
      return ok;
    }
  }

  async function copyFee() {
    const { copyText, copiedMessage } = active().extras();
    if (await copyOut(copyText, $('copyState'), $('copyFallback'), copiedMessage)) {
      copied = copyText;
    }
  }

  // ---- The phone ----

  const claimFields = () => [$('amount'), ...$('claims').querySelectorAll('input')];

  function drawPickers() {
    $('caseClass').value = String(phone.classOn());
    if (drawn.phoneKinds !== phone.kindsVersion()) {
      fillSelect($('caseKind'), phone.kinds());
      drawn.phoneKinds = phone.kindsVersion();
    }
    if (drawn.phoneTypes !== phone.typesVersion()) {
      fillSelect($('caseType'), phone.types(), (text) => text);
      drawn.phoneTypes = phone.typesVersion();
    }
    $('caseKind').selectedIndex = phone.kindRow();
    $('caseType').selectedIndex = phone.typeRow();
  }

  function drawPhone() {
    drawPickers();
    const extras = phone.extras();
    $('fee').classList.remove('pending');
    $('fee').textContent = phone.feeText() || '—';
    $('feeCapitals').textContent = extras.capitals;
    $('share').disabled = !extras.shown;
    $('copy').disabled = !extras.shown;
    if ($('askedFee').value) {
      $('reverseAnswer').textContent = phone.amountsAnswer($('askedFee').value);
    }
  }

  // The fee follows the typing; a refusal is said beside the field. A screen reader hears the fee
  // once the typing pauses, in one line, not at every key.
  let announcing = 0;
  function reckon() {
    phone.TypeClaims(claimFields().map((field) => field.value), $('unit').value);
    $('amountNote').textContent = phone.Reckon();
    draw();
    clearTimeout(announcing);
    announcing = setTimeout(() => {
      const said = $('amountNote').textContent || phone.announcement();
      if ($('phoneAnnounce').textContent !== said) {
        $('phoneAnnounce').textContent = said;
      }
    }, 900);
  }

  function searchType() {
    const found = core.searchType($('typeSearch').value);
    $('typeSearchNote').textContent = found.note;
    $('typeSearchNote').hidden = !found.note;
    $('typeMatches').replaceChildren();
    if (found.found) {
      phone.ChooseType(found.types[0]);
      reckon();
      return;
    }
    for (const type of found.types) {
      const button = Object.assign(document.createElement('button'), { type: 'button', textContent: type });
      button.addEventListener('click', () => {
        phone.ChooseType(type);
        $('typeMatches').replaceChildren();
        $('typeSearchNote').hidden = true;
        reckon();
        $('caseType').focus();
      });
      $('typeMatches').append(button);
    }
  }

  function addClaim(value = '') {
    const row = $('claim-row').content.firstElementChild.cloneNode(true);
    const field = row.querySelector('input');
    field.value = value;
    row.querySelector('button').addEventListener('click', () => {
      row.remove();
      reckon();
      $('addClaim').focus();
    });
    $('claims').append(row);
    return field;
  }

  function setClaims(claims) {
    $('claims').replaceChildren();
    $('amount').value = claims[0] ?? '';
    for (const claim of claims.slice(1)) {
      addClaim(claim);
    }
  }

  // ---- History: the last calculations, on this device only ----

  function readHistory() {
    try {
      const list = JSON.parse(store.get(historyKey) || '[]');
      return Array.isArray(list) ? list : [];
    } catch {
      return [];
    }
  }

  function recordHistory() {
    const extras = phone.extras();
    if (!extras.shown) {
      return;
    }
    const entry = { type: phone.typeText(), claims: claimFields().map((field) => field.value), unit: $('unit').value,
      summary: extras.summary, time: new Date().toISOString() };
    const same = (other) => other.type === entry.type && other.unit === entry.unit &&
      JSON.stringify(other.claims) === JSON.stringify(entry.claims);
    const list = [entry, ...readHistory().filter((other) => !same(other))].slice(0, 20);
    store.set(historyKey, JSON.stringify(list));
    drawHistory();
  }

  // A press on an entry holds the list as drawn until its click. Between the two, leaving the
  // amount field records the case on screen; the list drawn again then would put another entry,
  // one lower, under the finger, and the press and the release would no longer meet on one entry.
  const hold = { on: false, behind: false };
  function releaseHistory() {
    hold.on = false;
    if (hold.behind) {
      hold.behind = false;
      drawHistory();
    }
  }

  function drawHistory() {
    if (hold.on) {
      hold.behind = true;
      return;
    }
    const entries = readHistory();
    // Made only when needed: a browser's first date format loads its locale data.
    const when = entries.length && new Intl.DateTimeFormat('zh-CN', { dateStyle: 'short', timeStyle: 'short' });
    $('historyList').replaceChildren(...entries.map((entry) => {
      const item = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      const time = Object.assign(document.createElement('span'), { className: 'when', textContent: when.format(new Date(entry.time)) });
      button.append(...[entry.type, entry.summary].map((line) => Object.assign(document.createElement('span'), { textContent: line })), time);
      button.addEventListener('click', () => reopenEntry(entry));
      item.append(button);
      return item;
    }));
  }

  function reopenEntry(entry) {
    phone.ChooseType(entry.type);
    setClaims(entry.claims);
    $('unit').value = entry.unit;
    $('typeSearch').value = '';
    $('typeSearchNote').hidden = true;
    $('typeMatches').replaceChildren();
    reckon();
    document.querySelector('.answer').scrollIntoView({ block: 'center' });
  }

  // The system's share sheet where the browser has one, else the clipboard, else the text to
  // select by hand.
  async function shareCase() {
    const { shareText, copiedMessage } = phone.extras();
    recordHistory();
    if (navigator.share) {
      try {
        await navigator.share({ text: shareText });
        return;
      } catch (failure) {
        if (failure.name === 'AbortError') {
          return;
        }
      }
    }
    await copyOut(shareText, $('shareState'), $('shareFallback'), copiedMessage);
  }

  // ---- The fee rules on a phone: read-only, a contents line, Back returns ----

  // The Measures' text, from a script of its own that the page loads after its first fee; without
  // it the fee-rules panels stay empty.
  let measuresLoaded = null;
  function loadMeasures() {
    if (!measuresLoaded) {
      const script = Object.assign(document.createElement('script'), { src: 'measures.js' });
      document.head.append(script);
      measuresLoaded = scriptRun(script, () => false)
        .then(() => { $('Text1').defaultValue = self.CourtFeeMeasures; }, () => {});
    }
    return measuresLoaded;
  }

  function buildRules() {
    if ($('rulesText').childElementCount || !$('Text1').defaultValue) {
      return;
    }
    const numbered = /^第([一二三四五六七八九十百]+)([章条])/;
    for (const line of $('Text1').defaultValue.split('\n').map((text) => text.trim()).filter(Boolean)) {
      const paragraph = Object.assign(document.createElement('p'), { textContent: line });
      const match = numbered.exec(line);
      if (match) {
        paragraph.id = `rules-${match[2] === '章' ? 'chapter' : 'article'}-${match[1]}`;
        if (match[2] === '章' || ['十三', '十四'].includes(match[1])) {
          const link = Object.assign(document.createElement('a'), { href: `#${paragraph.id}`,
            textContent: match[2] === '章' ? line.replace(/\s+/g, '') : `第${match[1]}条` });
          link.addEventListener('click', (event) => {
            event.preventDefault();
            paragraph.scrollIntoView({ block: 'start' });
          });
          $('rulesToc').append(link);
        }
      }
      $('rulesText').append(paragraph);
    }
  }

  function showPhoneRules(open) {
    $('phone').hidden = open;
    $('phoneRules').hidden = !open;
    if (open) {
      buildRules();
      loadMeasures().then(buildRules);
      scrollTo(0, 0);
      $('rulesBack').focus();
    } else {
      $('openRules').focus();
      $('openRules').scrollIntoView({ block: 'center' });
    }
  }

  // ---- Either layout ----

  function draw() {
    if (onPhone()) {
      drawPhone();
    } else {
      drawDesk();
    }
    drawExtras(active());
    drawFigures();
  }

  // An event for a Calculator, then the page drawn again.
  const forward = (handle) => (event) => {
    handle(event.target);
    draw();
  };

  function wireDesk() {
    for (const option of document.querySelectorAll('input[name="Option1"]')) {
      option.addEventListener('change', forward((radio) => desk.Option1Click(Number(radio.value))));
    }
    $('List1').addEventListener('change', forward((list) => desk.List1Click(list.selectedIndex)));
    $('List2').addEventListener('change', forward((list) => desk.List2Click(list.selectedIndex)));
    $('txtBd').addEventListener('input', forward((field) => desk.TypeAmount(field.value)));
    $('txtFysf').addEventListener('input', forward((field) => desk.TypeFee(field.value)));
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
    window.addEventListener('resize', () => $('MsgBox').open && placeMessageBox($('MsgBox')));
    for (const panel of document.querySelectorAll('.window')) {
      panel.addEventListener('pointerdown', () => bringToFront(panel));
    }
  }

  function wireExtras() {
    $('halving-reasons').addEventListener('change', forward((check) =>
      active().TickHalvingReason(Number(check.value), check.checked)));
    $('awarded').addEventListener('input', forward((field) => active().TypeAwarded(field.value)));
    $('changed').addEventListener('input', forward((field) => active().TypeChangedAmount(field.value)));
    $('appealed').addEventListener('input', forward((field) => active().TypeAppealed(field.value)));
    $('refundGround').addEventListener('change', forward((select) => active().ChooseRefundGround(Number(select.value))));
    $('copyFee').addEventListener('click', copyFee);
    $('figure-rows').addEventListener('change', setFigure);
  }

  function wirePhone() {
    $('typeSearch').addEventListener('input', searchType);
    $('caseClass').addEventListener('change', () => {
      phone.Option1Click(Number($('caseClass').value));
      reckon();
    });
    $('caseKind').addEventListener('change', () => {
      phone.List1Click($('caseKind').selectedIndex);
      reckon();
    });
    $('caseType').addEventListener('change', () => {
      phone.List2Click($('caseType').selectedIndex);
      reckon();
    });
    $('phone').addEventListener('input', (event) => {
      if (event.target.classList.contains('claim-amount')) {
        reckon();
      }
    });
    $('phone').addEventListener('change', (event) => {
      if (event.target.classList.contains('claim-amount')) {
        recordHistory();
      }
    });
    $('unit').addEventListener('change', reckon);
    $('addClaim').addEventListener('click', () => addClaim().focus());
    $('share').addEventListener('click', shareCase);
    $('copy').addEventListener('click', () => {
      recordHistory();
      const { shareText, copiedMessage } = phone.extras();
      copyOut(shareText, $('shareState'), $('shareFallback'), copiedMessage);
    });
    $('askedFee').addEventListener('input', () => {
      $('reverseAnswer').textContent = $('askedFee').value ? phone.amountsAnswer($('askedFee').value) : '';
    });
    document.addEventListener('pointerdown', (event) => {
      releaseHistory();
      hold.on = Boolean(event.target.closest('#historyList button'));
    }, { capture: true });
    document.addEventListener('pointercancel', releaseHistory, { capture: true });
    document.addEventListener('click', releaseHistory);  // after the entry's own
    $('clearHistory').addEventListener('click', () => {
      store.set(historyKey, '[]');
      drawHistory();
      $('amount').scrollIntoView({ block: 'center' });
    });
    $('openRules').addEventListener('click', () => {
      history.pushState({ rules: true }, '', '#rules');
      showPhoneRules(true);
    });
    $('rulesBack').addEventListener('click', () => history.back());
    window.addEventListener('popstate', () => showPhoneRules(history.state?.rules === true));
    phoneLayout.addEventListener('change', () => {
      placePanels();
      draw();
    });
  }

  // What was picked and typed on the phone before the core arrived, handed to its Calculator.
  function takeWhatWasTyped() {
    phone.FormLoad();
    // The site builder has written the opening lists into the pickers already.
    drawn.phoneKinds = phone.kindsVersion();
    drawn.phoneTypes = phone.typesVersion();
    const classIndex = Number($('caseClass').value);
    if (classIndex !== 0) {
      phone.Option1Click(classIndex);
    } else {
      phone.List1Click($('caseKind').selectedIndex);
      phone.ChooseType($('caseType').value);
    }
    if ($('typeSearch').value.trim()) {
      searchType();
    }
    reckon();
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
    desk = new core.Calculator();
    phone = new core.Calculator();
    const figures = store.get(figuresKey);
    desk.readFigures(figures);
    phone.readFigures(figures);
    buildChoices(core.halvingReasons(), core.refundGrounds());
    placePanels();
    wireDesk();
    wireExtras();
    wirePhone();
    // What was typed into the window's amount while the core loaded stays.
    const typed = $('txtBd').value;
    desk.FormLoad();
    desk.TypeAmount(typed);
    if (history.state?.rules) {
      history.replaceState(null, '', location.pathname + location.search);
    }
    takeWhatWasTyped();
    if (!onPhone()) {
      draw();
      if (document.activeElement === document.body) {
        $('Option1_0').focus({ preventScroll: true });
      }
    }
    // On a phone the fee is drawn now; the extras and the history below it, the Measures' text and
    // the offer to work offline wait for the frame that shows it. The service worker's copy of the
    // site must not share a slow network with the core.
    const rest = () => {
      extrasHeld = false;
      drawExtras(active());
      drawHistory();
      offerOffline();
      loadMeasures().then(() => {
        document.documentElement.dataset.ready = 'true';
        document.dispatchEvent(new Event('courtfee-ready'));
      });
    };
    if (!onPhone()) {
      rest();
    } else if (document.hidden) {
      setTimeout(rest);
    } else {
      requestAnimationFrame(() => setTimeout(rest));
    }
  }

  function failed() {
    $('load-failure').hidden = false;
    $('fee').textContent = '';
  }

  // A script of the page's, once it has run; it may have run before this one.
  const scriptRun = (script, hasRun) => (hasRun() ? Promise.resolve() : new Promise((resolve, reject) => {
    script.addEventListener('load', resolve);
    script.addEventListener('error', reject);
  }));

  // The core's script loads on its own; over HTTP(S) the page's head has meanwhile fetched and
  // compiled its WebAssembly, handed to it here. Opened from disk, where nothing can be fetched,
  // the WebAssembly comes inside a script of its own.
  function loadCore() {
    const core = scriptRun($('core'), () => typeof CourtFee === 'function');
    if (self.courtFeeWasm) {
      Promise.all([self.courtFeeWasm, core])
        .then(([module]) => CourtFee({ instantiateWasm: (imports, receive) => {
          WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module), failed);
          return {};
        } }))
        .then(start, failed);
      return;
    }
    const bytes = Object.assign(document.createElement('script'), { src: 'courtfee-wasm.js' });
    document.head.append(bytes);
    Promise.all([core, scriptRun(bytes, () => false)]).then(() => CourtFee()).then(start, failed);
  }

  loadCore();
})();
