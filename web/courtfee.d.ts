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

/** Where a type's fee stands in the Measures. */
export interface LegalBasis {
  /** "acceptance": 案件受理费 (Article 13); "application": 申请费 (Article 14). */
  feeKind: 'acceptance' | 'application';
  /** "第十三条第（一）项" */
  article: string;
  /** Where the Measures give a range for a fixed fee, its ends (the top is charged); else 0. */
  rangeLow: number;
  rangeHigh: number;
}

/** One band of a graduated scale. */
export interface BandStep {
  /** "超过1万元至10万元的部分" */
  label: string;
  /** The part of the amount inside the band, in yuan; "" for the first band's base fee. */
  part: string;
  /** "2.5%"; "" for the base fee. */
  rate: string;
  /** The band's fee, to the fen: "2250.00". */
  amount: string;
}

/** The calculation step by step, as `courtfee --explain` writes it. */
export interface FeeBreakdown {
  type: string;
  amountText: string;
  feeText: string;
  message: Message | null;
  /** A fee was arrived at; only then are basis, bands and adjustments filled in. */
  priced: boolean;
  basis: LegalBasis;
  /** The rule in words: "财产案件分段累计的三分之一". */
  ruleWords: string;
  bands: BandStep[];
  /** What the bands add up to, to the fen; "" without bands. */
  bandsTotal: string;
  /** The steps after the bands (a third, a half and its cap, a cap), one line each. */
  adjustments: string[];
  /** Where the figure is a choice within or beside the Measures, one sentence each. */
  notes: string[];
  chargedAtTopOfRange: boolean;
}

/** A ground on which the Measures halve an acceptance fee. */
export interface HalvingReason {
  /** "调解", "撤诉", "简易程序", "反诉" */
  chinese: string;
  /** "mediation", "withdrawal", "summary", "counterclaim" */
  ascii: string;
  /** "第十五条", "第十六条" or "第十八条" */
  article: string;
}

/** An acceptance fee halved once, however many grounds are combined. */
export interface HalvedFee {
  amountText: string;
  /** The full fee, as computeFee gives it. */
  feeText: string;
  message: Message | null;
  /** To the fen, an odd fen rounded up; "" when not halved. */
  halvedFee: string;
  /** "第十五条、第十六条" */
  articles: string;
  /** Why an application fee (Article 14) is not halved; "" otherwise. */
  refusal: string;
}

/** The amounts in dispute, to the fen, that give a fee. */
export interface AmountsForFee {
  /** The fee asked about, as `courtfee --amount-for` writes it: two decimals for a whole number
   *  of fen ("13800" and "１３８００" give "13800.00", "-1" gives "-1.00"), else the digits with
   *  the one below the fen kept ("51.005"). Earlier builds of this module echoed a fee below zero
   *  or beyond 64 bits of fen as it was given ("-1"), unlike the command. */
  fee: string;
  /** Lowest first; max null when every larger amount gives the fee too. Empty when none does. */
  ranges: { min: string; max: string | null }[];
  /** When no amount gives the fee: the nearest fees that some amount gives, or null. */
  nearestBelow: string | null;
  nearestAbove: string | null;
  /** The fee is above every fee up to 10^17 yuan, the largest amount searched. */
  beyondSearch: boolean;
}

/** The acceptance fee split in proportion to the part of the claim the judgment supports. */
export interface FeeSplit {
  /** The claim as the calculation read it. */
  amountText: string;
  /** The fee and the two shares, as the window writes a fee; "" when refused. */
  fee: string;
  plaintiffShare: string;
  defendantShare: string;
  /** Why there is no split, as `courtfee --split` says it; "" on success. A type that is not in
   *  the catalogue is named with the closest types. */
  note: string;
  /** That the split is a reference and the court decides (Article 29). */
  reference: string;
}

/** A message box the calculator asks its page to show; flags as in Message. */
export interface Notice {
  title: string;
  prompt: string;
  /** The warning's exclamation mark (an amount that is not a number) or the error's stop sign. */
  icon: 'warning' | 'error';
  flags: number;
}

/** A line of the calculation step by step: a step keeps to one line, a sentence may wrap, and the
 *  result (the fee and its capitals) stands out. */
export interface ExplanationLine {
  text: string;
  style: 'step' | 'sentence' | 'result';
}

/** What the page shows below the window for the fee in the fee box. */
export interface CalculatorExtras {
  /** A calculated fee stands that the extras describe; false once the fee is typed over. */
  shown: boolean;
  /** Halving and the split apply: the fee is an acceptance fee (Article 13). */
  applicable: boolean;
  /** The halved fee, why there is none, or what to do. */
  halving: string;
  /** "大写：人民币…" for the halved fee; "" without one. */
  halvingCapitals: string;
  /** The split, lines separated by "\n", why there is none, or what to do. */
  split: string;
  /** What the copy button puts on the clipboard: the fee, full or halved, named, with capitals. */
  copyText: string;
  /** What to say once copyText is on the clipboard. */
  copiedMessage: string;
  /** "预交：原告，…（第二十条、第二十二条）": who prepays the fee and when. */
  prepay: string;
  /** Where the figure is a choice within or beside the Measures, one sentence each. */
  notes: string[];
  /** The claim changed (Article 21): the fees before and after, the top-up or refund; or what to do. */
  change: string;
  /** The fee of an appeal on the amount appealed (Article 17), or why there is none. */
  appeal: string;
  /** What is refunded on the ground chosen, or what to do. */
  refund: string;
  /** "人民币壹万叁仟捌佰元整": the full fee in capitals; "" without one. */
  capitals: string;
  /** "标的金额 1000000 元，法院收费 13800.00": the case in one line. */
  summary: string;
  /** The type, amount, fee with capitals and article (and the halved fee), as a phone shares it. */
  shareText: string;
}

/** A type found from what a person typed, as `courtfee` finds its type names. */
export interface TypeSearch {
  /** One type is meant: types[0]. Otherwise types are the candidates, closest first. */
  found: boolean;
  types: string[];
  /** "按“1、离婚案件”计算", "“仲裁”可指8种案件类型，请选择：", …; "" for an empty text. */
  note: string;
}

/** A type whose fee the Measures give as a range, and the figure in force for it. */
export interface FigureRow {
  type: string;
  /** "50元至300元（第十三条第（二）项第1目）" */
  range: string;
  /** "按 300 元", or "本地标准 200 元" for a court's own figure. */
  inForce: string;
  /** The panel's line: range and figure in force, "50元至300元（…）：按 300 元". */
  line: string;
  /** The name of the field for the court's own figure: "1、离婚案件：本地标准（元）". */
  fieldName: string;
}

/** The calculator window's state and behaviour, as the window and the page share them: the
 *  event methods bear the window's handler names, the getters give what to draw after each. */
export interface Calculator {
  /** Back to the stored state, then the first class turned on (the whole selection chain). */
  FormLoad(): void;
  Option1Click(classIndex: number): void;
  List1Click(row: number): void;
  List2Click(row: number): void;
  TypeAmount(text: string): void;
  /** The fee typed over: it no longer has an explanation or extras. */
  TypeFee(text: string): void;
  /** 计算: one calculation; the message box to show, or null. */
  Command1Click(): Notice | null;
  /** A ground for halving, by its place in halvingReasons(), ticked or not. */
  TickHalvingReason(index: number, ticked: boolean): void;
  TypeAwarded(text: string): void;
  /** The later stages: the claim as changed, the amount appealed ("" for the whole claim), a
   *  refund's ground by its place in refundGrounds() (-1: none). */
  TypeChangedAmount(text: string): void;
  TypeAppealed(text: string): void;
  ChooseRefundGround(index: number): void;
  /** Selects a type's class, kind and type by its catalogue text; false for a text that is not a type. */
  ChooseType(typeText: string): boolean;
  /** The claims of the case, each in "元" or "万元" (converted exactly by the core). */
  TypeClaims(claims: string[], unit: '元' | '万元'): void;
  /** Prices the claims as a fee that follows the typing: no message box; returns the refusal as one
   *  line ("标的中请输入数字！"), or "" when a fee was priced. */
  Reckon(): string;
  /** Which amounts give this fee for the selected type, in words. */
  amountsAnswer(fee: string): string;
  /** The court's figure for a ranged type (whole yuan; "" clears it): "" when kept, else why not. */
  setFigure(typeText: string, yuan: string): string;
  /** The figures as "TYPE=YUAN" lines, and read back (returns how many lines were skipped). */
  figuresText(): string;
  readFigures(text: string): number;
  figureRows(): FigureRow[];
  changedAmountText(): string;
  appealedText(): string;
  refundGround(): number;
  /** -1 before FormLoad. */
  classOn(): number;
  kinds(): string[];
  /** -1 when no row is selected. */
  kindRow(): number;
  types(): string[];
  typeRow(): number;
  typeText(): string;
  /** Each refill of the list counts one: redraw the list only when it changed. */
  kindsVersion(): number;
  typesVersion(): number;
  amountText(): string;
  feeText(): string;
  /** Empty without a calculated fee. */
  explanation(): ExplanationLine[];
  /** What a screen reader says when a fee arrives ("法院收费 50.00 元"); "" without one. */
  announcement(): string;
  extras(): CalculatorExtras;
  /** Frees the calculator's memory in the WebAssembly module. */
  delete(): void;
}

/** A place in pixels at 96 DPI from the top-left of a window's client area. */
export interface Place {
  left: number;
  top: number;
  width: number;
  height: number;
}

/** One control of the calculator window; a label's size is what its caption needs. */
export interface ControlPlace extends Place {
  /** The window's control name, arrays as Name_index: "Option1_0", "List1", "txtBd". */
  name: string;
  kind: 'OptionButton' | 'ListBox' | 'TextBox' | 'Button' | 'Label';
  caption: string;
  tabIndex: number;
  colour: 'default' | 'grey' | 'blue';
  /** For a label, the control it names; else "". */
  buddy: string;
}

/** The two windows as data, from which the page's markup and style sheet are built. */
export interface ControlTable {
  form1: {
    title: string;
    width: number;
    height: number;
    listRowHeight: number;
    /** The separator between the lists and the amount. */
    line1: Place;
    /** In tab order. */
    controls: ControlPlace[];
    colours: { grey: [number, number, number]; blue: [number, number, number] };
    makerAddressShown: string;
    makerHost: string;
  };
  form2: { title: string; width: number; height: number; text1: Place; text1Name: string };
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
  /** The calculation of computeFee, step by step. */
  explainFee(typeText: string, amountText: string): FeeBreakdown;
  /** The grounds halveFee accepts, in the order of the Measures. */
  halvingReasons(): HalvingReason[];
  /** Halves the fee on the given grounds (Chinese or ASCII words of halvingReasons());
   *  a word that is not a ground throws a RangeError. */
  halveFee(reasons: string[], typeText: string, amountText: string): HalvedFee;
  /** The fee in Chinese capital numerals ("壹万叁仟捌佰元整"), without "人民币"; null for an empty
   *  fee or one of 1 万亿 yuan or more. */
  feeCapitals(feeText: string): string | null;
  /** Which amounts give exactly this fee (read like an amount: "13800", "１３８００.00"); null for a
   *  fee that is not a number or is beyond the range of a double, or a type not in the catalogue. */
  amountsForFee(typeText: string, feeText: string): AmountsForFee | null;
  /** The customary split under Article 29: the defendant bears fee × awarded ÷ claim, to the fen,
   *  the plaintiff the rest. The court decides; this is a reference. */
  splitFee(awardedText: string, typeText: string, amountText: string): FeeSplit;
  /** The grounds for a refund (as RefundGround words: chinese, ascii, article). */
  refundGrounds(): HalvingReason[];
  /** Finds a case type from a name as lawyers type it: part of a text or an everyday word. */
  searchType(text: string): TypeSearch;
  /** The calculator window without a window, which the page draws; call FormLoad() first, as the
   *  window does when it opens, and delete() when done. */
  Calculator: { new (): Calculator };
  /** The calculator window's and the fee-rules window's controls and sizes. */
  controlTable(): ControlTable;
}

/** Loads and starts the core: its WebAssembly is courtfee.wasm over HTTP(S), courtfee-wasm.js under Node or from disk. */
declare function CourtFee(options?: object): Promise<CourtFeeCore>;
export default CourtFee;
