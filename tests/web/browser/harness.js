// The pieces the browser tests and the watching-cost measurement share: the
// network server and the host console as child processes, and headless
// Chromium. Every process started here is stopped by stopAll(), also when a
// test fails.
'use strict';

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const root = path.resolve(__dirname, '..', '..', '..');
const bin = process.env.VPI_BIN || path.join(root, 'build', 'native', 'bin');
const chromiumPath = process.env.VPI_CHROMIUM || '/usr/bin/chromium';
const started = new Set();
// The sanitizer runtime hides the programs' RUNPATH from dlopen: the loader
// finds the libraries beside them this way.
const childEnvironment = { ...process.env, LD_LIBRARY_PATH: bin };

function track(child) {
  started.add(child);
  child.on('exit', () => started.delete(child));
  return child;
}

// Resolves with the first match of `pattern` in the child's standard output.
function waitForOutput(child, pattern, timeoutMs, label) {
  return new Promise((resolve, reject) => {
    let seen = '';
    const timer = setTimeout(() => {
      child.stdout.off('data', onData);
      reject(new Error(label + ': no ' + pattern + ' within ' + timeoutMs + ' ms; got: ' + seen));
    }, timeoutMs);
    function onData(chunk) {
      seen += chunk.toString();
      const match = seen.match(pattern);
      if (match) {
        clearTimeout(timer);
        child.stdout.off('data', onData);
        resolve(match);
      }
    }
    child.stdout.on('data', onData);
    child.on('exit', (code) => {
      clearTimeout(timer);
      reject(new Error(label + ' ended (' + code + ') before ' + pattern + '; got: ' + seen));
    });
  });
}

// rvsimd on loopback: the protocol port and the web port (0: the system picks).
async function startServer({ port = 0, httpPort = 0, extra = [] } = {}) {
  const child = track(spawn(path.join(bin, 'rvsimd'),
      ['--port', String(port), '--http-port', String(httpPort), ...extra],
      { stdio: ['ignore', 'pipe', 'inherit'], env: childEnvironment }));
  const listening = waitForOutput(child, /listening on 127\.0\.0\.1:(\d+)/, 10000, 'rvsimd');
  const web = waitForOutput(child, /web page on http:\/\/127\.0\.0\.1:(\d+)\//, 10000, 'rvsimd');
  const [p, w] = await Promise.all([listening, web]);
  child.stdout.resume();
  return { child, port: Number(p[1]), httpPort: Number(w[1]), url: 'http://127.0.0.1:' + w[1] + '/' };
}

async function stopProcess(child) {
  if (child.exitCode !== null || child.signalCode !== null) return;
  const exited = new Promise((resolve) => child.once('exit', resolve));
  child.kill('SIGTERM');
  const timer = setTimeout(() => child.kill('SIGKILL'), 3000);
  await exited;
  clearTimeout(timer);
}

// The host console in network mode, fed line by line on its standard input.
class Console {
  constructor(serverPort, directory) {
    this.output = '';
    this.child = track(spawn(path.join(bin, 'vpihost'), ['--dir', directory], {
      stdio: ['pipe', 'pipe', 'inherit'],
      env: { ...childEnvironment, ...networkEnvironment(serverPort) },
    }));
    this.child.stdout.on('data', (chunk) => { this.output += chunk.toString(); });
  }

  // Sends one line and resolves with the result the console prints for it
  // (VPI_OK, VPI_FAILED, ...), or with the text it printed when `until` matches.
  run(line, until = /^(VPI_\w+|-?\d+)$/m, timeoutMs = 10000) {
    const from = this.output.length;
    this.child.stdin.write(line + '\n');
    return new Promise((resolve, reject) => {
      const deadline = Date.now() + timeoutMs;
      const poll = () => {
        const fresh = this.output.slice(from);
        const match = fresh.match(until);
        if (match) return resolve(match[1] !== undefined ? match[1] : fresh);
        if (this.child.exitCode !== null) return reject(new Error('console ended: ' + fresh));
        if (Date.now() > deadline) return reject(new Error(line + ': no answer; got: ' + fresh));
        setTimeout(poll, 2);
      };
      poll();
    });
  }

  // Runs a console script's lines, each checked with its "=> RESULT".
  async runScript(file) {
    for (const raw of fs.readFileSync(file, 'utf8').split('\n')) {
      const line = raw.trim();
      if (!line || line.startsWith('#')) continue;
      const check = line.match(/=>\s*(\S+)\s*$/);
      if (check) {
        const result = await this.run(line);
        if (result !== check[1]) throw new Error(line + ' answered ' + result);
      } else {
        this.child.stdin.write(line + '\n');  // prints no bare result line of its own
      }
    }
    await this.run('info');  // the lines before it have run
    if (this.output.includes('CHECK FAILED')) throw new Error('a check failed:\n' + this.output);
  }

  async stop() {
    this.child.stdin.end('quit\n');
    await stopProcess(this.child);
  }
}

// How the console's simulator library finds the network server.
function networkEnvironment(serverPort) {
  return { RVSIM_SERVER: '127.0.0.1:' + serverPort };
}

async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'rvsim-web-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run',
           '--disable-dev-shm-usage'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

async function stopAll() {
  await Promise.all([...started].map(stopProcess));
}

function percentile(sorted, p) {
  return sorted[Math.min(sorted.length - 1, Math.ceil(p / 100 * sorted.length) - 1)];
}

module.exports = {
  root, bin, startServer, stopProcess, stopAll, Console, launchBrowser, percentile,
  networkEnvironment,
};
