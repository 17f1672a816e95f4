// SPDX-License-Identifier: MIT
// The WebAssembly module travels inside courtfee.js, as a string of one character per byte that
// the site builder puts in place of the marker: a page opened from disk may not fetch a .wasm
// file, and this compresses a quarter smaller than the base64 of Emscripten's SINGLE_FILE.
if (!Module['wasmBinary']) {
  var embeddedWasm = '@EMBEDDED_WASM@';
  var wasmBytes = new Uint8Array(embeddedWasm.length);
  for (var i = 0; i < embeddedWasm.length; i++) {
    wasmBytes[i] = embeddedWasm.charCodeAt(i);
  }
  Module['wasmBinary'] = wasmBytes;
}
