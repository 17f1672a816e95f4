// SPDX-License-Identifier: MIT
// The core's WebAssembly (courtfee.wasm) as a script, for where a .wasm file cannot be fetched: a
// page opened from disk, and Node. The site builder writes the module in place of the marker as a
// string of one character per byte, which compresses a quarter smaller than base64.
globalThis.CourtFeeWasm = ((text) => {
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) {
    bytes[i] = text.charCodeAt(i);
  }
  return bytes;
})('@EMBEDDED_WASM@');
