// SPDX-License-Identifier: MIT
// The module's public functions under Node keep the shape courtfee.d.ts gives them, and the
// Calculator's bindings hand over what the command writes. The fees themselves are parity.mjs's.
import assert from 'node:assert/strict';
import { before, describe, it } from 'node:test';
import { courtfee, loadCore } from './browser.mjs';

let core;
before(async () => {
  core = await loadCore();
});

// A value's shape: the type of each field, arrays by their first element.
const shape = (value) => (Array.isArray(value) ? value.slice(0, 1).map(shape)
  : value === null ? 'null' : typeof value !== 'object' ? typeof value
    : Object.fromEntries(Object.keys(value).sort().map((key) => [key, shape(value[key])])));
const message = { flags: 'number', prompt: 'string', title: 'string' };

describe('the public functions', () => {
  const calls = [
    ['computeFee', () => core.computeFee('1、财产案件', '1万'), { amountText: 'string', feeText: 'string', message }],
    ['classText', () => core.classText(1), 'string'],
    ['kindsOf, typesOf', () => [core.kindsOf(0), core.typesOf(core.kindsOf(0)[0])], [['string']]],
    ['explainFee', () => core.explainFee('1、支付令、公示催告案件', '10001'), {
      adjustments: ['string'], amountText: 'string', bands: [{ amount: 'string', label: 'string', part: 'string', rate: 'string' }],
      bandsTotal: 'string', basis: { article: 'string', feeKind: 'string', rangeHigh: 'number', rangeLow: 'number' },
      chargedAtTopOfRange: 'boolean', feeText: 'string', message: 'null', notes: ['string'], priced: 'boolean',
      ruleWords: 'string', type: 'string' }],
    ['halvingReasons', () => core.halvingReasons(), [{ article: 'string', ascii: 'string', chinese: 'string' }]],
    ['halveFee', () => core.halveFee(['调解', 'summary'], '1、财产案件', '10001'), { amountText: 'string', articles: 'string',
      feeText: 'string', halvedFee: 'string', message: 'null', refusal: 'string' }],
    ['feeCapitals', () => [core.feeCapitals('13800.00'), core.feeCapitals('')], ['string']],
    ['amountsForFee', () => core.amountsForFee('1、财产案件', '13800'), { beyondSearch: 'boolean', fee: 'string',
      nearestAbove: 'null', nearestBelow: 'null', ranges: [{ max: 'string', min: 'string' }] }],
    ['splitFee', () => core.splitFee('600000', '1、财产案件', '1000000'), { amountText: 'string', defendantShare: 'string',
      fee: 'string', note: 'string', plaintiffShare: 'string', reference: 'string' }],
  ];
  for (const [name, call, expected] of calls) {
    it(name, () => assert.deepEqual(shape(call()), expected));
  }
  it('answers null for what has no answer, a RangeError for an unknown ground, and the fee asked of amountsForFee as courtfee writes it', () => {
    assert.deepEqual([core.feeCapitals('x'), core.amountsForFee('1、财产案件', '1万'), core.amountsForFee('无此类型', '50')],
      [null, null, null]);
    assert.throws(() => core.halveFee(['x'], '1、财产案件', '1'), RangeError);
    for (const fee of ['13800', '１３８００.00', '-1', '51.005', '1e20']) {
      assert.equal(core.amountsForFee('1、财产案件', fee).fee, JSON.parse(courtfee('--json', '--amount-for', '1、财产案件', fee)).fee, fee);
    }
  });
});

describe('the Calculator', () => {
  it('hands over the explanation, the extras and the notice as the command writes them', () => {
    const calculator = new core.Calculator();
    calculator.FormLoad();
    calculator.TypeAmount('1000000');
    assert.equal(calculator.Command1Click(), null);
    const type = calculator.typeText();
    const lines = calculator.explanation();
    assert.equal(lines.map((line) => `${line.text}\n`).join(''), courtfee('--explain', type, '1000000'));
    assert.deepEqual([...new Set(lines.map((line) => line.style))], ['step', 'sentence', 'result']);
    calculator.TickHalvingReason(2, true);
    calculator.TypeAwarded('250000');
    const extras = calculator.extras();
    assert.equal(`${extras.split}\n`, courtfee('--halve', core.halvingReasons()[2].chinese, '--split', '250000', type, '1000000'));
    assert.equal(extras.halving, `减半后收费：${courtfee('--halve', core.halvingReasons()[2].chinese, type, '1000000').trim()}`);
    calculator.TypeAmount('1e400');
    const { title, prompt, flags } = calculator.Command1Click();
    assert.deepEqual({ title, prompt, flags }, core.computeFee(type, '1e400').message);
    calculator.delete();
  });
});
