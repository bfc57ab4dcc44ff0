// The live wall: draws the server's state as it is pushed on the event stream,
// follows the call trace and sends the integrator's changes back. Every text
// that comes from a host or the server is set with textContent.
'use strict';

const api = '/api/v1';
const traceKeep = 400;  // lines kept on the page, newest first

const view = {
  instance: null,
  revision: -1,
  traceNext: 0,    // the next trace sequence number to ask for
  traceLines: [],  // {seq, line}, oldest first, at most traceKeep
  traceLatest: 0,  // the next sequence number the server last told of
  traceBusy: false,
  traceAgain: false,
  windows: new Map(),  // handle -> element on the wall
  events: null,
  configShown: '',
};

const $ = (id) => document.getElementById(id);

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = String(text);
  return e;
}

function percent(value, whole) { return (100 * value / whole) + '%'; }

function notice(text) {
  $('notice').textContent = text || '';
}

// ---- The wall ------------------------------------------------------------

function drawRegions(screen) {
  const wall = $('wall');
  if (wall.dataset.regions) return;
  wall.dataset.regions = '1';
  const width = screen.columns * screen.regionWidth;
  const height = screen.rows * screen.regionHeight;
  for (let row = 0; row < screen.rows; ++row) {
    for (let column = 0; column < screen.columns; ++column) {
      const r = element('div', 'region', 'region ' + (column + screen.columns * row));
      r.style.left = percent(column * screen.regionWidth, width);
      r.style.top = percent(row * screen.regionHeight, height);
      r.style.width = percent(screen.regionWidth, width);
      r.style.height = percent(screen.regionHeight, height);
      wall.appendChild(r);
    }
  }
}

function colorOf(key) {
  const red = key & 0xff, green = (key >> 8) & 0xff, blue = (key >> 16) & 0xff;
  return 'rgb(' + red + ',' + green + ',' + blue + ')';
}

function keyText(key) {
  return '(' + (key & 0xff) + ',' + ((key >> 8) & 0xff) + ',' + ((key >> 16) & 0xff) + ')';
}

function sourceText(w) {
  return w.source.id < 0 ? 'no source' : w.source.name;
}

function fillWindow(e, w, screen) {
  const width = screen.columns * screen.regionWidth;
  const height = screen.rows * screen.regionHeight;
  e.className = 'win ' + w.state;
  e.dataset.handle = w.handle;
  e.dataset.state = w.state;
  e.dataset.x = w.x;
  e.dataset.y = w.y;
  e.dataset.width = w.width;
  e.dataset.height = w.height;
  e.style.left = percent(w.x, width);
  e.style.top = percent(w.y, height);
  e.style.width = percent(Math.max(w.width, 0), width);
  e.style.height = percent(Math.max(w.height, 0), height);
  e.style.zIndex = String(1000001 + Math.max(-1000000, Math.min(w.zOrder, 1000000)));
  e.replaceChildren();
  e.appendChild(element('span', 'badge', w.state));
  e.appendChild(element('div', 'title', w.handle + ' ' + sourceText(w)));
  e.appendChild(element('div', 'caption', w.caption));
  const key = element('div', 'picture');
  const swatch = element('span', 'key');
  swatch.style.background = colorOf(w.colorKey);
  swatch.title = 'colour key ' + keyText(w.colorKey);
  key.appendChild(swatch);
  key.appendChild(document.createTextNode(
      'key ' + keyText(w.colorKey) + '  b' + w.brightness + ' c' + w.contrast + ' s' +
      w.saturation + ' h' + w.hue + ' m' + w.mode + '  z' + w.zOrder));
  e.appendChild(key);
  const z = w.zoom;
  if (z.width > 0 && z.height > 0) {
    e.appendChild(element('div', 'zoomtext',
        'zoom ' + z.x + ',' + z.y + ' ' + z.width + '×' + z.height));
    // The zoomed part, drawn over the window as a share of one region's picture.
    const r = element('div', 'zoom');
    r.style.left = percent(z.x, screen.regionWidth);
    r.style.top = percent(z.y, screen.regionHeight);
    r.style.width = percent(z.width, screen.regionWidth);
    r.style.height = percent(z.height, screen.regionHeight);
    e.appendChild(r);
  }
}

function drawWall(state) {
  drawRegions(state.screen);
  const wall = $('wall');
  const seen = new Set();
  const hidden = [];
  // Upper z-orders on top (z-index); among equal ones the later-opened window,
  // as the windows come oldest first and new elements are appended.
  for (const w of state.windows) {
    if (w.state === 'hidden') { hidden.push(w); continue; }
    seen.add(w.handle);
    let e = view.windows.get(w.handle);
    if (!e) {
      e = element('div');
      view.windows.set(w.handle, e);
      wall.appendChild(e);
    }
    fillWindow(e, w, state.screen);
  }
  for (const [handle, e] of view.windows) {
    if (!seen.has(handle)) { e.remove(); view.windows.delete(handle); }
  }
  const list = $('hidden');
  list.replaceChildren();
  for (const w of hidden) {
    const li = element('li');
    li.dataset.handle = w.handle;
    li.appendChild(element('span', 'hidden-source', w.handle + ' ' + sourceText(w)));
    li.appendChild(document.createTextNode(
        '  at ' + w.x + ',' + w.y + ' ' + w.width + '×' + w.height + '  '));
    li.appendChild(element('span', 'caption', w.caption));
    list.appendChild(li);
  }
  if (hidden.length === 0) list.appendChild(element('li', '', 'none'));
}

// ---- Connections, faults, configuration ----------------------------------

function cells(row, values) {
  for (const v of values) row.appendChild(element('td', 'text', v));
}

function drawConnections(state) {
  const windowOf = new Map(state.windows.map((w) => [w.handle, w]));
  const body = $('connections').tBodies[0];
  body.replaceChildren();
  let handles = 0;
  for (const c of state.connections) {
    const list = c.handles.length ? c.handles : [null];
    for (const h of list) {
      const w = h === null ? null : windowOf.get(h);
      const tr = element('tr');
      cells(tr, [c.peer, h === null ? '-' : h,
                 w ? w.state + ' ' + sourceText(w) : '-', c.lastCall, c.calls]);
      body.appendChild(tr);
      if (h !== null) ++handles;
    }
  }
  $('connection-count').textContent =
      state.connections.length + ' peer(s), ' + handles + ' handle(s)';
}

function drawFaults(state) {
  const body = $('faults').tBodies[0];
  body.replaceChildren();
  for (const f of state.faults) {
    const tr = element('tr');
    cells(tr, [f.function, f.from, f.count < 0 ? 'forever' : f.count, f.result]);
    body.appendChild(tr);
  }
  if (state.faults.length === 0) {
    const tr = element('tr');
    tr.appendChild(element('td', 'muted', 'none'));
    body.appendChild(tr);
  }
  const list = $('functions');
  if (list.children.length === 0 && state.functions) {
    for (const name of ['*'].concat(state.functions)) {
      const o = element('option');
      o.value = name;
      list.appendChild(o);
    }
  }
}

function drawConfig(state) {
  const c = state.config;
  $('config-hosts').textContent = c.hosts.join(', ');
  const sources = $('config-sources');
  sources.replaceChildren();
  for (const s of c.sources) sources.appendChild(element('li', '', s.id + ' ' + s.name));
  $('config-limit').textContent = c.limit;
  const shown = JSON.stringify(c);
  if (shown !== view.configShown) {  // refill the form only when the server's copy changed
    view.configShown = shown;
    $('config-hosts-edit').value = c.hosts.join('\n');
    $('config-sources-edit').value = c.sources.map((s) => s.id + ' ' + s.name).join('\n');
    $('config-limit-edit').value = c.limit;
  }
}

// ---- The trace -----------------------------------------------------------

function traceMatches(line, filter) {
  if (!filter) return true;
  if (/^\d+$/.test(filter)) return line.includes('(' + filter + ',') || line.includes('(' + filter + ')');
  return line.slice(0, line.indexOf('(')).toLowerCase().includes(filter.toLowerCase());
}

function drawTrace() {
  if ($('trace-pause').checked) return;
  const filter = $('trace-filter').value.trim();
  const list = $('trace');
  list.replaceChildren();
  let shown = 0;
  for (let i = view.traceLines.length - 1; i >= 0; --i) {
    const t = view.traceLines[i];
    if (!traceMatches(t.line, filter)) continue;
    const li = element('li', / = (0|-1)$/.test(t.line) ? 'failed' : '');
    li.appendChild(element('span', 'seq', t.seq));
    li.appendChild(document.createTextNode(t.line));
    list.appendChild(li);
    ++shown;
  }
  $('trace-count').textContent = shown + ' of the last ' + view.traceLines.length;
}

// Takes the lines numbered from view.traceNext on, keeping the newest traceKeep.
function addTraceLines(lines) {
  const before = view.traceNext;
  for (const t of lines) {
    if (t.seq < view.traceNext) continue;
    view.traceLines.push(t);
    view.traceNext = t.seq + 1;
  }
  if (view.traceNext === before) return;
  if (view.traceLines.length > traceKeep) {
    view.traceLines.splice(0, view.traceLines.length - traceKeep);
  }
  drawTrace();
}

// Fetches the lines a push did not carry (at most traceKeep of the newest);
// one fetch at a time, and once more when newer ones were told of meanwhile.
async function fetchTrace(latest) {
  view.traceLatest = Math.max(view.traceLatest, latest);
  if (view.traceBusy) { view.traceAgain = true; return; }
  view.traceBusy = true;
  try {
    do {
      view.traceAgain = false;
      const since = Math.max(view.traceNext, view.traceLatest - traceKeep);
      const r = await fetch(api + '/trace?since=' + since + '&limit=' + traceKeep);
      if (!r.ok) break;
      const t = await r.json();
      view.traceNext = Math.max(view.traceNext, since);
      addTraceLines(t.calls);
    } while (view.traceAgain);
  } catch (e) {
    // The stream's own reconnection brings the next attempt.
  } finally {
    view.traceBusy = false;
  }
}

// The lines a state carries are the newest; when lines the page still keeps
// room for came before them, those are fetched.
function followTrace(state) {
  const pushed = state.trace || [];
  const gap = pushed.length ? pushed[0].seq > view.traceNext : state.traceNext > view.traceNext;
  if (gap && state.traceNext - view.traceNext <= traceKeep) {
    fetchTrace(state.traceNext);
    return;
  }
  if (gap) view.traceNext = pushed.length ? pushed[0].seq : state.traceNext;
  addTraceLines(pushed);
}

// ---- The live state ------------------------------------------------------

function showState(state) {
  if (state.instance !== view.instance) {  // a new server: its trace starts anew
    view.instance = state.instance;
    view.traceNext = 0;
    view.traceLatest = 0;
    view.traceLines = [];
    drawTrace();
  }
  view.revision = state.revision;
  drawWall(state);
  drawConnections(state);
  drawFaults(state);
  drawConfig(state);
  $('revision').textContent = 'revision ' + state.revision;
  document.body.dataset.revision = state.revision;
  followTrace(state);
}

function setLink(up) {
  const link = $('link');
  link.className = 'link ' + (up ? 'up' : 'down');
  link.textContent = up ? 'live' : 'reconnecting';
  document.body.dataset.link = up ? 'up' : 'down';
}

function listen() {
  if (view.events) view.events.close();
  const events = new EventSource(api + '/events');
  view.events = events;
  events.addEventListener('state', (m) => {
    setLink(true);
    showState(JSON.parse(m.data));
  });
  events.onerror = () => {
    setLink(false);
    // A stream the browser gave up on is opened again; one it is retrying is left to it.
    if (events.readyState === EventSource.CLOSED) setTimeout(listen, 1000);
  };
}

// ---- Changes the integrator makes ----------------------------------------

function token() { return sessionStorage.getItem('rvsim-token') || ''; }

async function send(method, path, body) {
  const headers = {'Content-Type': 'application/json'};
  if (token()) headers.Authorization = 'Bearer ' + token();
  const r = await fetch(api + path, {method, headers, body: JSON.stringify(body || {})});
  let answer = {};
  try { answer = await r.json(); } catch (e) { answer = {}; }
  if (r.status === 401) {
    $('token-box').hidden = false;
    notice('this server needs its token for changes');
  } else if (!r.ok) {
    notice(method + ' ' + path + ': ' + (answer.error || r.status));
  } else {
    notice('');
  }
  return r.ok;
}

function numberOf(id) { return Number($(id).value); }

function wireForms() {
  $('token').addEventListener('change', (e) => sessionStorage.setItem('rvsim-token', e.target.value));
  $('token-box').addEventListener('submit', (e) => e.preventDefault());
  $('fault-form').addEventListener('submit', (e) => {
    e.preventDefault();
    send('POST', '/faults', {
      function: $('fault-function').value.trim(),
      from: numberOf('fault-from'),
      count: numberOf('fault-count'),
      result: numberOf('fault-result'),
    });
  });
  $('fault-clear').addEventListener('click', () => send('DELETE', '/faults'));
  $('reset').addEventListener('click', () => send('POST', '/reset'));
  $('config-form').addEventListener('submit', (e) => {
    e.preventDefault();
    const lines = (id) => $(id).value.split('\n').map((l) => l.trim()).filter((l) => l);
    const sources = lines('config-sources-edit').map((l) => {
      const blank = l.indexOf(' ');
      return {id: Number(blank < 0 ? l : l.slice(0, blank)), name: blank < 0 ? '' : l.slice(blank + 1)};
    });
    send('PUT', '/config', {hosts: lines('config-hosts-edit'), sources, limit: numberOf('config-limit-edit')});
  });
  $('trace-filter').addEventListener('input', drawTrace);
  $('trace-pause').addEventListener('change', drawTrace);
}

wireForms();
setLink(false);
listen();
