// SPDX-License-Identifier: MIT
// The Measures' text for the fee-rules panels, which the page loads once its first fee is drawn:
// a script, since a page opened from disk cannot fetch a text file. The site builder writes the
// text in place of the marker.
globalThis.CourtFeeMeasures = '@MEASURES@';
