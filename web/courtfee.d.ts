// SPDX-License-Identifier: MIT
// The JavaScript interface of courtfee.mjs (and of the CourtFee global that courtfee.js defines).
// Every text is the calculator's own, in Simplified Chinese; amounts and fees are texts, as the
// window's fields hold them.

/** A message the window shows in a modal box: the warning for an amount that is not a number
 *  (title "提示", flags 48) or a failure while pricing (title "计算错误", flags 16). */
export interface Message {
  prompt: string;
  title: string;
  /** Message-box flags: 48 exclamation icon, 16 critical icon; an OK button either way. */
  flags: number;
}

/** What the Calculate command leaves in the window. */
export interface FeeOutcome {
  /** The amount as the command leaves it: as typed, or "0" for an empty amount. */
  amountText: string;
  /** The fee as the window shows it ("50.00", "16.67", "30.5"); empty when there is none. */
  feeText: string;
  message: Message | null;
}

export interface CourtFeeCore {
  /** The Calculate command: prices typeText (a catalogue type, exactly as listed) for amountText. */
  computeFee(typeText: string, amountText: string): FeeOutcome;
  /** "诉讼类" for 0, "非诉讼类" for 1, "" otherwise. */
  classText(classIndex: number): string;
  /** The case kinds of a class, in the window's order; empty for an index other than 0 or 1. */
  kindsOf(classIndex: number): string[];
  /** The case types of a kind, in the window's order; empty for a text that is not a kind. */
  typesOf(kindText: string): string[];
}

/** Loads and starts the core (WebAssembly, embedded in courtfee.js). */
declare function CourtFee(options?: object): Promise<CourtFeeCore>;
export default CourtFee;
