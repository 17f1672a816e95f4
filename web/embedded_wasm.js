// SPDX-License-Identifier: MIT
// Where courtfee-wasm.js has been loaded first (a page opened from disk, Node), the WebAssembly
// comes from it; otherwise the core fetches courtfee.wasm from beside courtfee.js, or is handed
// what the page has fetched itself (instantiateWasm).
if (!Module['wasmBinary'] && globalThis['CourtFeeWasm']) {
  Module['wasmBinary'] = globalThis['CourtFeeWasm'];
}
