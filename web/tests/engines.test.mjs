// SPDX-License-Identifier: MIT
// The phone layout's own checks in the two other engines phones and desks run: Firefox ESR
// (puppeteer over WebDriver BiDi) and WebKit, Safari's engine (WebKitWebDriver with
// selenium-webdriver, the page in a frame of the phone's width, since the browser's window cannot
// be made that narrow). The same promises as in Chromium: within the screen, thumb-sized, the fee
// following the typing, a refusal beside the field.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';
import net from 'node:net';
import { after, before, describe, it } from 'node:test';
import puppeteer from 'puppeteer-core';
import { Builder } from 'selenium-webdriver';
import { layoutFaults, loadCore, serveSite } from './browser.mjs';

const firefox = process.env.FIREFOX ?? '/usr/bin/firefox-esr';
const miniBrowser = process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const widths = [320, 360];
const faultsScript = `return (${layoutFaults})();`;

let core;
let site;
before(async () => {
  core = await loadCore();
  site = await serveSite();
});
after(() => site?.server.close());

// What every engine must show on a phone, given a way to run a script in the page and to type.
async function checkPhone(run, type, width) {
  assert.equal(await run("return getComputedStyle(document.querySelector('.desk')).display"), 'none', `${width}: the phone layout`);
  await type('#amount', '1万');
  assert.deepEqual(await run("return [document.getElementById('amountNote').textContent, document.getElementById('MsgBox').open]"),
    [core.computeFee('1、财产案件', '1万').message.prompt, false], `${width}: a refusal beside the field`);
  await run("const field = document.getElementById('amount'); field.value = ''; field.dispatchEvent(new Event('input', { bubbles: true }));");
  await type('#amount', '1000000');
  assert.equal(await run("return document.getElementById('fee').textContent"), core.computeFee('1、财产案件', '1000000').feeText);
  assert.deepEqual(await run(faultsScript), [], `${width}: the layout`);
}

describe('Firefox ESR', { skip: !existsSync(firefox) && `no ${firefox}` }, () => {
  for (const width of widths) {
    it(`${width} pixels wide`, async () => {
      const browser = await puppeteer.launch({ browser: 'firefox', executablePath: firefox, headless: true,
        extraPrefsFirefox: { 'browser.shell.checkDefaultBrowser': false } });
      try {
        const page = await browser.newPage();
        await page.setViewport({ width, height: 740 });
        await page.goto(`${site.origin}/`);
        await page.waitForSelector('html[data-ready]');
        await checkPhone((script) => page.evaluate(new Function(script)), (selector, text) => page.type(selector, text), width);
      } finally {
        await browser.close();
      }
    });
  }
});

// A private X display for WebKit's window, on a display number the server picks itself.
async function startX() {
  const server = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const display = await new Promise((resolve, reject) => {
    server.stdout.once('data', (data) => resolve(`:${String(data).trim()}`));
    server.once('error', reject);
  });
  return { server, display };
}

const freePort = () => new Promise((resolve) => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// The driver is ready once it answers its status.
async function driverReady(port) {
  for (;;) {
    try {
      const status = await (await fetch(`http://127.0.0.1:${port}/status`)).json();
      if (status.value?.ready) {
        return;
      }
    } catch {
      // not listening yet
    }
    await new Promise((resolve) => { setImmediate(resolve); });
  }
}

describe('WebKit', { skip: !existsSync(miniBrowser) && `no ${miniBrowser}` }, () => {
  let x;
  let driver;
  let session;
  before(async () => {
    x = await startX();
    const port = await freePort();
    driver = spawn('WebKitWebDriver', [`--port=${port}`], { env: { ...process.env, DISPLAY: x.display }, stdio: 'ignore' });
    await driverReady(port);
    session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({ browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } }).build();
  });
  after(async () => {
    await session?.quit();
    driver?.kill();
    x?.server.kill();
  });

  for (const width of widths) {
    it(`${width} pixels wide`, async () => {
      await session.get(`${site.origin}/frame?width=${width}&height=740`);
      await session.switchTo().frame(0);
      await session.wait(() => session.executeScript('return document.documentElement.dataset.ready === "true"'), 20000);
      const type = async (selector, text) => session.findElement({ css: selector }).sendKeys(text);
      await checkPhone((script) => session.executeScript(script), type, width);
      await session.switchTo().defaultContent();
    });
  }
});
