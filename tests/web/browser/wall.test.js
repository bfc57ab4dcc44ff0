// The web page in headless Chromium against the network server, while a host
// console in network mode drives the driver: the tour's windows at their
// places, live changes, a fault from the page's form, markup as text, a server
// restart, and the change-to-screen latency (written to build/web/latency.json).
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness');

const figures = path.join(h.root, 'build', 'web');
const work = path.join(figures, 'run');
const wallWidth = 1920;
const wallHeight = 960;
let server;
let browser;
let page;
let host;  // the console
let dialogs = 0;
const pageErrors = [];

async function openPage(url, width = 1280, height = 720) {
  const p = await browser.newPage();
  await p.setViewport({ width, height });
  p.on('dialog', async (d) => { ++dialogs; await d.dismiss(); });
  p.on('pageerror', (e) => pageErrors.push(e.message));
  await p.goto(url);
  await p.waitForSelector('body[data-link=up]', { timeout: 10000 });
  return p;
}

async function wall() {
  const r = await fetch(server.url + 'api/v1/wall');
  assert.equal(r.status, 200);
  return r.json();
}

// Waits until the page has drawn the state of at least `revision`.
async function pageAt(revision) {
  await page.waitForFunction((r) => Number(document.body.dataset.revision) >= r,
      { timeout: 5000 }, revision);
}

function captionOf(handle) {
  return page.$eval('#wall .win[data-handle="' + handle + '"] .caption', (e) => e.textContent);
}

before(async () => {
  fs.rmSync(work, { recursive: true, force: true });
  fs.mkdirSync(work, { recursive: true });
  server = await h.startServer();
  browser = await h.launchBrowser();
  page = await openPage(server.url);
  host = new h.Console(server.port, path.join(work, 'station'));
});

after(async () => {
  if (browser) await browser.close();
  await h.stopAll();
  assert.deepEqual(pageErrors, [], 'the page\'s script raised no error');
});

test('the page shows the tour\'s windows at their places, upper z-orders on top', async () => {
  await host.runScript(path.join(h.root, 'examples', 'tour.vpi'));
  const state = await wall();
  await pageAt(state.revision);
  const box = await (await page.$('#wall')).boundingBox();
  const shown = state.windows.filter((w) => w.state !== 'hidden');
  const hidden = state.windows.filter((w) => w.state === 'hidden');
  // The tour leaves CAM2 live over regions 0-1, CAM3 still in region 5, CAM1 hidden.
  const byName = Object.fromEntries(state.windows.map((w) => [w.source.name, w]));
  assert.equal(byName.CAM2.state, 'live');
  assert.equal(byName.CAM3.state, 'still');
  assert.equal(byName.CAM1.state, 'hidden');
  for (const w of shown) {
    const e = await page.$('#wall .win[data-handle="' + w.handle + '"]');
    assert.ok(e, 'window ' + w.handle + ' drawn');
    const b = await e.boundingBox();
    const near = (a, want, what) =>
      assert.ok(Math.abs(a - want) < 1.5, w.source.name + ' ' + what + ' ' + a + ' vs ' + want);
    near(b.x - box.x, w.x / wallWidth * box.width, 'left');
    near(b.y - box.y, w.y / wallHeight * box.height, 'top');
    near(b.width, w.width / wallWidth * box.width, 'width');
    near(b.height, w.height / wallHeight * box.height, 'height');
    assert.equal(await e.evaluate((n) => n.classList.contains(n.dataset.state)), true);
    assert.equal(await captionOf(w.handle), w.caption);
  }
  for (const w of hidden) {
    assert.equal(await page.$('#wall .win[data-handle="' + w.handle + '"]'), null, 'hidden not drawn');
    assert.ok(await page.$('#hidden li[data-handle="' + w.handle + '"]'), 'hidden listed');
  }
  // The still window is told apart from the live one at a glance: its own border.
  const borders = await page.$$eval('#wall .win', (ws) =>
      Object.fromEntries(ws.map((n) => [n.dataset.state, getComputedStyle(n).borderTopStyle])));
  assert.notEqual(borders.live, borders.still);
  // Where CAM2 (z 2) is drawn, it is the window on top.
  const top = await page.evaluate((x, y) => {
    const e = document.elementFromPoint(x, y).closest('.win');
    return e ? Number(e.dataset.handle) : 0;
  }, box.x + (byName.CAM2.x + 20) / wallWidth * box.width, box.y + 200 / wallHeight * box.height);
  assert.equal(top, byName.CAM2.handle);
  // The connections: one peer per handle the driver opened.
  const rows = await page.$$eval('#connections tbody tr', (trs) => trs.length);
  assert.ok(rows >= 6, rows + ' rows');
  await page.screenshot({ path: path.join(h.root, 'docs', 'web-wall.png') });
});

test('a write through the driver changes the page without a reload', async () => {
  await page.evaluate(() => { window.loadMark = 'first load'; });
  const before = (await wall()).windows.find((w) => w.source.name === 'CAM2');
  assert.equal(await host.run('write !WINDOW 2'), 'VPI_OK');
  assert.equal(await host.run('write !CAPTION Changed live'), 'VPI_OK');
  assert.equal(await host.run('write !FCAPTION 1'), 'VPI_OK');
  await page.waitForFunction((h) => {
    const e = document.querySelector('#wall .win[data-handle="' + h + '"] .caption');
    return e && e.textContent === 'Changed live';
  }, { timeout: 5000 }, before.handle);
  assert.equal(await page.evaluate(() => window.loadMark), 'first load');
  const newest = await page.$eval('#trace li', (li) => li.textContent);
  assert.match(newest, /NTRVSetVideoCaption\(\d+,"Changed live"\) = 1/);
  // The trace filter by handle keeps that window's calls only.
  await page.type('#trace-filter', String(before.handle));
  const lines = await page.$$eval('#trace li', (lis) => lis.map((li) => li.textContent));
  assert.ok(lines.length > 0);
  for (const l of lines) assert.ok(l.includes('(' + before.handle), l);
  await page.$eval('#trace-filter', (e) => { e.value = ''; e.dispatchEvent(new Event('input')); });
});

test('a fault added from the page\'s form makes the driver\'s next write fail', async () => {
  await page.type('#fault-function', 'NTRVSetVideoCaption');
  await page.$eval('#fault-count', (e) => { e.value = '1'; });
  await page.$eval('#fault-result', (e) => { e.value = '0'; });
  await page.click('#fault-add');
  await page.waitForFunction(() => [...document.querySelectorAll('#faults tbody td')]
      .some((td) => td.textContent === 'NTRVSetVideoCaption'), { timeout: 5000 });
  assert.equal(await host.run('write !CAPTION Refused'), 'VPI_OK');
  assert.equal(await host.run('write !FCAPTION 1'), 'VPI_FAILED');
  assert.equal(await host.run('write !FCAPTION 1'), 'VPI_OK');  // the rule covered one call
  await page.click('#fault-clear');
  await page.waitForFunction(() => document.querySelector('#faults tbody td').textContent === 'none',
      { timeout: 5000 });
});

test('a caption holding markup is shown as text and runs nothing', async () => {
  const markup = '<img src=x onerror=alert(1)>';
  const cam2 = (await wall()).windows.find((w) => w.source.name === 'CAM2');
  assert.equal(await host.run('write !CAPTION ' + markup), 'VPI_OK');
  assert.equal(await host.run('write !FCAPTION 1'), 'VPI_OK');
  await page.waitForFunction((h, m) => {
    const e = document.querySelector('#wall .win[data-handle="' + h + '"] .caption');
    return e && e.textContent === m;
  }, { timeout: 5000 }, cam2.handle, markup);
  assert.equal(await page.$$eval('img', (imgs) => imgs.length), 0);
  const traced = await page.$$eval('#trace li', (lis) => lis.some((li) => li.textContent.includes('<img')));
  assert.ok(traced, 'the trace shows the markup as text');
  await new Promise((r) => setTimeout(r, 200));
  assert.equal(dialogs, 0);
});

test('change-to-screen latency over 100 changes through the driver', async () => {
  const cam2 = (await wall()).windows.find((w) => w.source.name === 'CAM2');
  await page.evaluate((h) => {
    window.seenAt = {};
    const watch = () => {
      const e = document.querySelector('#wall .win[data-handle="' + h + '"] .caption');
      const m = e && /^lat (\d+)$/.exec(e.textContent);
      if (m && !(m[1] in window.seenAt)) window.seenAt[m[1]] = performance.timeOrigin + performance.now();
    };
    new MutationObserver(watch).observe(document.getElementById('wall'),
        { subtree: true, childList: true, characterData: true });
  }, cam2.handle);
  const sentAt = [];
  for (let i = 0; i < 100; ++i) {
    assert.equal(await host.run('write !CAPTION lat ' + i), 'VPI_OK');
    sentAt[i] = performance.timeOrigin + performance.now();
    assert.equal(await host.run('write !FCAPTION 1'), 'VPI_OK');
    await page.waitForFunction((i) => String(i) in window.seenAt, { timeout: 5000 }, i);
  }
  const seenAt = await page.evaluate(() => window.seenAt);
  const latencies = sentAt.map((t, i) => seenAt[i] - t).sort((a, b) => a - b);
  const latency = {
    changes: latencies.length,
    p50_ms: Number(h.percentile(latencies, 50).toFixed(1)),
    p99_ms: Number(h.percentile(latencies, 99).toFixed(1)),
    max_ms: Number(latencies[latencies.length - 1].toFixed(1)),
  };
  fs.writeFileSync(path.join(figures, 'latency.json'), JSON.stringify(latency, null, 2) + '\n');
  console.log('# change-to-screen latency: ' + JSON.stringify(latency));
  assert.equal(latency.changes, 100);
});

test('the page reads well at phone width', async () => {
  const phone = await openPage(server.url, 390, 844);
  const overflow = await phone.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  assert.ok(overflow <= 0, 'no sideways scrolling: ' + overflow + ' px');
  const wallBox = await (await phone.$('#wall')).boundingBox();
  assert.ok(wallBox.width > 300 && wallBox.width <= 390, 'the wall fills the width: ' + wallBox.width);
  assert.ok(await phone.$$eval('#wall .win', (ws) => ws.length) >= 2);
  await phone.close();
});

test('the page survives a server restart and shows the new server\'s state', async () => {
  const instance = await page.evaluate(() => fetch('/api/v1/state').then((r) => r.json()).then((s) => s.instance));
  await host.stop();
  await h.stopProcess(server.child);
  await page.waitForSelector('body[data-link=down]', { timeout: 5000 });
  server = await h.startServer({ port: server.port, httpPort: server.httpPort });
  await page.waitForSelector('body[data-link=up]', { timeout: 10000 });
  await page.waitForFunction(() => document.querySelectorAll('#wall .win').length === 0, { timeout: 5000 });
  const now = await page.evaluate(() => fetch('/api/v1/state').then((r) => r.json()).then((s) => s.instance));
  assert.notEqual(now, instance);
  // And it follows the new server live.
  host = new h.Console(server.port, path.join(work, 'station'));
  assert.equal(await host.run('coldstart'), 'VPI_OK');
  assert.equal(await host.run('write !FSHOWWINDOW (CAM4,0,480,640,480,1,Again)'), 'VPI_OK');
  await page.waitForFunction(() => [...document.querySelectorAll('#wall .win .caption')]
      .some((e) => e.textContent === 'CAM4 Again'), { timeout: 5000 });
});
