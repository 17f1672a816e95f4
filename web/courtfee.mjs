// SPDX-License-Identifier: MIT
// The calculator's core as an ES module: `import CourtFee from './courtfee.mjs'`, then
// `const core = await CourtFee()`. The code itself is courtfee.js beside this file, a classic
// script (which a page opened from disk can load, where module scripts are refused), loaded here
// for its one global, CourtFee. Over HTTP(S) its WebAssembly is courtfee.wasm beside this file,
// compiled while it streams; under Node, or from disk, where nothing can be fetched, it comes
// from courtfee-wasm.js.
import './courtfee.js';

const fetched = /^https?:$/.test(globalThis.location?.protocol ?? '');
if (!fetched) {
  await import('./courtfee-wasm.js');
}
const CourtFee = globalThis.CourtFee;

export default fetched
  ? (options = {}) => CourtFee({ locateFile: (file) => new URL(file, import.meta.url).href, ...options })
  : CourtFee;
