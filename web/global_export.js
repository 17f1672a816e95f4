// SPDX-License-Identifier: MIT
// Makes the factory reachable when courtfee.js is evaluated as a module (by courtfee.mjs), where
// its top-level declarations stay private.
globalThis.CourtFee = CourtFee;
