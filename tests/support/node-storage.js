// The page's localStorage for the core suites under node: items in memory, a prefix whose items
// the storage refuses, as a browser with storage disabled refuses them, and a limit to the
// characters it holds, past which a write fails as in a full browser store. Plain old JavaScript:
// emscripten's own minifier takes no newer syntax.
globalThis.window = globalThis;
globalThis.tesuliRefusedPrefix = null;
globalThis.tesuliStorageLimit = Infinity;
globalThis.localStorage = (function () {
  var items = new Map();
  function refused(name) {
    if (globalThis.tesuliRefusedPrefix !== null && String(name).indexOf(globalThis.tesuliRefusedPrefix) === 0)
      throw new Error("SecurityError: storage is disabled");
  }
  return {
    get length() { return items.size; },
    key: function (n) { var names = Array.from(items.keys()); return n < names.length ? names[n] : null; },
    getItem: function (name) { refused(name); return items.has(name) ? items.get(name) : null; },
    setItem: function (name, value) {
      refused(name);
      name = String(name);
      value = String(value);
      var used = name.length + value.length;
      items.forEach(function (v, n) { if (n !== name) used += n.length + v.length; });
      if (used > globalThis.tesuliStorageLimit) throw new Error("QuotaExceededError: the storage is full");
      items.set(name, value);
    },
    removeItem: function (name) { refused(name); items.delete(name); },
  };
})();
