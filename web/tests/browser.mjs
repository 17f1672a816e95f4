// SPDX-License-Identifier: MIT
// What the web tests share: Debian's Chromium, headless, with a fresh temporary profile and
// nothing of its own going to the network; the page opened in it; the site served over HTTP; the core under Node,
// which says what the page should draw; and the native courtfee, which says what the core answers.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const siteDir = path.resolve(process.env.ZQ_SITE ?? path.join(root, 'build-web/site'));
export const pageUrl = pathToFileURL(path.join(siteDir, 'index.html')).href;

export const launchChromium = () => puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run', '--no-default-browser-check', '--disable-extensions',
    '--disable-features=Translate,MediaRouter,OptimizationHints'],
});

export const phone = (width) => ({ width, height: 740, phone: true });

// Opens the page and waits until the core has drawn the window. Collects every request the page
// makes and every error it reports.
export async function openPage(browser, { url = pageUrl, width = 1024, height = 768, scheme = 'light', scale = 1, phone = false } = {}) {
  const page = await browser.newPage();
  const requests = [];
  const problems = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warn') {
      problems.push(message.text());
    }
  });
  await page.setViewport({ width, height, deviceScaleFactor: scale, isMobile: phone, hasTouch: phone });
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
  await page.goto(url);
  await page.waitForSelector('html[data-ready]', { timeout: 10000 });
  return { page, requests, problems };
}

export const rect = (page, selector) => page.$eval(selector, (element) => {
  const r = element.getBoundingClientRect();
  return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
});
export const focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');

// The core under Node.
export async function loadCore() {
  const { default: CourtFee } = await import(pathToFileURL(path.join(siteDir, 'courtfee.mjs')).href);
  return CourtFee();
}

// What the native courtfee writes; a refusal's answer comes on its failing exit.
export function courtfee(...args) {
  try {
    return execFileSync(process.env.COURTFEE ?? path.join(root, 'build/bin/courtfee'), args, { encoding: 'utf8' });
  } catch (failure) {
    return failure.stdout;
  }
}

// Chromium's slow phone: the CPU four times slower, 1.6 Mbit/s down, 150 ms round trips.
export async function slowProfile(page) {
  const session = await page.createCDPSession();
  await session.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await session.send('Network.enable');
  await session.send('Network.emulateNetworkConditions', { offline: false, latency: 150,
    downloadThroughput: (1.6 * 1000 * 1000) / 8, uploadThroughput: (750 * 1000) / 8 });
  return session;
}

// What the phone layout promises at any width, run in the page: nothing wider than the screen, every
// control a thumb's size, fields that do not zoom. Every details panel is opened to be measured.
export const layoutFaults = () => {
  const faults = [];
  const root = document.scrollingElement;
  if (root.scrollWidth > root.clientWidth) {
    faults.push(`page ${root.scrollWidth} wide in ${root.clientWidth}`);
  }
  for (const details of document.querySelectorAll('#phone details')) {
    details.open = true;
  }
  for (const control of document.querySelectorAll('#phone :is(button, input, select, summary, textarea, a)')) {
    const box = control.getBoundingClientRect();
    // A checkbox is tapped by its whole row, checked below.
    if (!control.checkVisibility() || control.type === 'checkbox') {
      continue;
    }
    if (box.width < 44 || box.height < 44) {
      faults.push(`${control.id || control.className || control.textContent} ${box.width}x${box.height}`);
    }
    if (box.right > root.clientWidth + 0.5 || box.left < -0.5) {
      faults.push(`${control.id || control.textContent} beyond the screen`);
    }
    if (/^(INPUT|SELECT|TEXTAREA)$/.test(control.tagName) && parseFloat(getComputedStyle(control).fontSize) < 16) {
      faults.push(`${control.id} font below 16 px`);
    }
  }
  for (const check of document.querySelectorAll('#phone #halving-reasons label')) {
    if (check.checkVisibility() && check.getBoundingClientRect().height < 44) {
      faults.push(`${check.textContent} row below 44 px`);
    }
  }
  return faults;
};

// Who prepays and the notes, where shown on their own lines, when the steps shown also say them.
export const saidTwice = () => {
  const lines = (id) => {
    const element = document.getElementById(id);
    return element.checkVisibility() ? element.innerText.split('\n').map((line) => line.trim()).filter(Boolean) : [];
  };
  const steps = lines('steps');
  return lines('case-facts').filter((fact) => steps.some((step) => step.includes(fact)));
};

// The site (or another build of it) from a static HTTP server on a free port of 127.0.0.1;
// resolves to its origin.
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.ts': 'text/plain',
  '.wasm': 'application/wasm' };
export async function serveSite(dir = siteDir) {
  const server = http.createServer((request, response) => {
    // The page in a frame of a phone's size, for a browser whose window cannot be made so narrow.
    const asked = new URL(request.url, 'http://x');
    if (asked.pathname === '/frame') {
      const size = (name) => Number(asked.searchParams.get(name)) || 0;
      response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
      response.end(`<!doctype html><body style="margin:0"><iframe src="/" width="${size('width')}" height="${size('height')}" style="border:0"></iframe>`);
      return;
    }
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/\/$/, '/index.html');
    const file = path.join(dir, path.normalize(name));
    try {
      const body = readFileSync(file);
      // Compressed as any web server sends text.
      const packed = /gzip/.test(request.headers['accept-encoding'] ?? '') && path.extname(file) !== '.png';
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
        ...(packed ? { 'Content-Encoding': 'gzip' } : {}) });
      response.end(packed ? gzipSync(body) : body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, origin: `http://127.0.0.1:${server.address().port}` };
}
