// SPDX-License-Identifier: MIT
// What the module adds to computeFee, under Node, against courtfee's JSON for the same cases: the
// amounts behind a fee, the split between the parties, the fee in capitals.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { before, describe, it } from 'node:test';
import { loadCore, root } from './browser.mjs';

const courtfee = process.env.COURTFEE ?? path.join(root, 'build/bin/courtfee');
const nativeJson = (...args) => {
  try {
    return JSON.parse(execFileSync(courtfee, ['--json', ...args], { encoding: 'utf8' }));
  } catch (failure) {
    return JSON.parse(failure.stdout);
  }
};

let core;
before(async () => {
  core = await loadCore();
});

describe('amountsForFee', () => {
  const cases = [
    ['1、财产案件', '13800'], ['1、财产案件', '１３８００.00'], ['2、知识产权案件', '1000.00'], ['1、财产案件', '13800.005'],
    ['1、财产案件', '-5'], ['1、执行案件', '50'], ['1、支付令、公示催告案件', '16.67'], ['2、破产案件', '300000'],
    ['1、申请诉讼保全措施案件', '5000'], ['5.申请共同海损理算', '999'], ['1、财产案件', '1e20'],
  ];
  for (const [type, fee] of cases) {
    it(`${type} ${fee}`, () => {
      const native = nativeJson('--amount-for', type, fee);
      const answer = core.amountsForFee(type, fee);
      assert.deepEqual({ amounts: answer.ranges, below: answer.nearestBelow, above: answer.nearestAbove },
        { amounts: native.amounts, below: native.nearest_below, above: native.nearest_above });
      // A fee to the fen within 64 bits of fen is written as a fee; any other stays as it was given.
      assert.equal(answer.fee, /^\d{1,17}\.\d\d$/.test(native.fee) ? native.fee : fee);
    });
  }
  it('says when a fee lies beyond the largest amount searched', () => {
    assert.deepEqual([core.amountsForFee('1、财产案件', '1e20').beyondSearch, core.amountsForFee('1、财产案件', '13800').beyondSearch],
      [true, false]);
  });
  it('answers null for a fee that is not a number or overflows, or a type not in the catalogue', () => {
    assert.deepEqual([core.amountsForFee('1、财产案件', '1万'), core.amountsForFee('无此类型', '50'),
      core.amountsForFee('1、财产案件', '1e400')], [null, null, null]);
    assert.equal(nativeJson('--amount-for', '1、财产案件', '1e400').message, '计算错误：溢出');
  });
});

describe('splitFee and feeCapitals', () => {
  const cases = [['600000', '1、财产案件', '1000000'], ['333333.33', '1、财产案件', '1000000'], ['0', '1、离婚案件', '350000'],
    ['2000000', '1、财产案件', '1000000'], ['100', '1、财产案件', '0'], ['abc', '1、财产案件', '100']];
  for (const [awarded, type, amount] of cases) {
    it(`${awarded} of ${type} ${amount}`, () => {
      const native = nativeJson('--split', awarded, type, amount);
      const split = core.splitFee(awarded, type, amount);
      const orNull = (text) => text || null;
      const capitals = (fee) => (fee ? core.feeCapitals(fee) : null);
      assert.deepEqual({
        fee: orNull(split.fee), fee_capitals: capitals(split.fee), plaintiff_share: orNull(split.plaintiffShare),
        plaintiff_share_capitals: capitals(split.plaintiffShare), defendant_share: orNull(split.defendantShare),
        defendant_share_capitals: capitals(split.defendantShare), message: orNull(split.note),
      }, {
        fee: native.fee, fee_capitals: native.fee_capitals, plaintiff_share: native.plaintiff_share,
        plaintiff_share_capitals: native.plaintiff_share_capitals, defendant_share: native.defendant_share,
        defendant_share_capitals: native.defendant_share_capitals, message: native.message,
      });
    });
  }
  it('has no capitals for an empty fee or one of 1 万亿 yuan or more', () => {
    assert.deepEqual([core.feeCapitals(''), core.feeCapitals('1000000000000.00'), core.feeCapitals('0.5')],
      [null, null, '伍角整']);
  });
});
