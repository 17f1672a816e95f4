// SPDX-License-Identifier: MIT
// The calculator's core as an ES module: `import CourtFee from './courtfee.mjs'`, then
// `const core = await CourtFee()`. The code itself is courtfee.js beside this file, a classic
// script (which a page opened from disk can load, where module scripts are refused), loaded here
// for its one global, CourtFee.
import './courtfee.js';

export default globalThis.CourtFee;
