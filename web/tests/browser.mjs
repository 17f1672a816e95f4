// SPDX-License-Identifier: MIT
// Debian's Chromium, headless, with a fresh profile and nothing of its own going to the network,
// and the calculator page opened in it straight from disk.
import { mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const siteDir = path.resolve(process.env.ZQ_SITE ?? path.join(root, 'build-web/site'));
export const pageUrl = pathToFileURL(path.join(siteDir, 'index.html')).href;

export async function launchChromium() {
  const profile = mkdtempSync(path.join(os.tmpdir(), 'zq-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--no-default-browser-check', '--disable-extensions',
      '--disable-features=Translate,MediaRouter,OptimizationHints'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
  };
  return browser;
}

// Opens the page and waits until the core has filled the lists. Collects every request the page
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

// The core under Node, to say what the page should show.
export async function loadCore() {
  const { default: CourtFee } = await import(pathToFileURL(path.join(siteDir, 'courtfee.mjs')).href);
  return CourtFee();
}
