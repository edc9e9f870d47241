// The script of the type 4 card pages: a face of a card opened full screen to read it, zoomed
// by pinching on a phone and with the wheel, the +/- keys and buttons on a desktop, moved by
// dragging or the arrow keys, closed with Esc or the close button. Without script every face is
// a link to its image file; the page needs no script to be read. Plain JavaScript of our own.
#include "export/type4site.h"

namespace gdk::type4 {

const char* ZoomScriptTekst() {
    return R"JS((function () {
  "use strict";
  var links = document.querySelectorAll("a.zijde");
  if (!links.length || typeof HTMLDialogElement !== "function") {
    return;
  }
  var MIN = 0.05, MAX = 8;
  var venster, beeld, schaal = 1, x = 0, y = 0, passend = 1;
  var wijzers = {}, vorige = null;

  function knop(tekst, label, doe) {
    var b = document.createElement("button");
    b.type = "button";
    b.textContent = tekst;
    b.setAttribute("aria-label", label);
    b.addEventListener("click", doe);
    return b;
  }

  function toon() {
    beeld.style.transform = "translate(" + x + "px," + y + "px) scale(" + schaal + ")";
  }

  function pas() {
    var w = venster.clientWidth, h = venster.clientHeight;
    var nw = beeld.naturalWidth || 1, nh = beeld.naturalHeight || 1;
    passend = Math.min(w / nw, h / nh);
    schaal = passend;
    x = (w - nw * schaal) / 2;
    y = (h - nh * schaal) / 2;
    toon();
  }

  // Zooms by `f` keeping the point (px, py) of the window where it is.
  function zoom(f, px, py) {
    var nieuw = Math.max(Math.min(MIN, passend), Math.min(MAX, schaal * f));
    f = nieuw / schaal;
    x = px - (px - x) * f;
    y = py - (py - y) * f;
    schaal = nieuw;
    toon();
  }

  function midden(f) {
    zoom(f, venster.clientWidth / 2, venster.clientHeight / 2);
  }

  function punten() {
    var p = [];
    for (var k in wijzers) {
      if (wijzers.hasOwnProperty(k)) {
        p.push(wijzers[k]);
      }
    }
    return p;
  }

  // One finger or the mouse drags; two fingers pinch around their middle.
  function stand() {
    var p = punten();
    if (p.length === 1) {
      return {x: p[0].x, y: p[0].y, d: 0};
    }
    if (p.length >= 2) {
      var dx = p[1].x - p[0].x, dy = p[1].y - p[0].y;
      return {x: (p[0].x + p[1].x) / 2, y: (p[0].y + p[1].y) / 2, d: Math.sqrt(dx * dx + dy * dy)};
    }
    return null;
  }

  function neer(e) {
    wijzers[e.pointerId] = {x: e.clientX, y: e.clientY};
    if (beeld.setPointerCapture) {
      beeld.setPointerCapture(e.pointerId);
    }
    vorige = stand();
    e.preventDefault();
  }

  function beweeg(e) {
    if (!wijzers[e.pointerId]) {
      return;
    }
    wijzers[e.pointerId] = {x: e.clientX, y: e.clientY};
    var nu = stand();
    if (vorige && nu) {
      x += nu.x - vorige.x;
      y += nu.y - vorige.y;
      if (vorige.d > 0 && nu.d > 0) {
        zoom(nu.d / vorige.d, nu.x, nu.y);
      } else {
        toon();
      }
    }
    vorige = nu;
  }

  function op(e) {
    delete wijzers[e.pointerId];
    vorige = stand();
  }

  function toets(e) {
    var stap = 60;
    switch (e.key) {
    case "+": case "=": midden(1.25); break;
    case "-": case "_": midden(1 / 1.25); break;
    case "0": pas(); break;
    case "ArrowLeft": x += stap; toon(); break;
    case "ArrowRight": x -= stap; toon(); break;
    case "ArrowUp": y += stap; toon(); break;
    case "ArrowDown": y -= stap; toon(); break;
    default: return;
    }
    e.preventDefault();
  }

  function maak() {
    venster = document.createElement("dialog");
    venster.className = "zoom";
    var knoppen = document.createElement("div");
    knoppen.className = "zoomknoppen";
    knoppen.appendChild(knop("\u2212", "Verkleinen", function () { midden(1 / 1.25); }));
    knoppen.appendChild(knop("+", "Vergroten", function () { midden(1.25); }));
    knoppen.appendChild(knop("\u00d7", "Sluiten", function () { venster.close(); }));
    beeld = document.createElement("img");
    beeld.draggable = false;
    venster.appendChild(knoppen);
    venster.appendChild(beeld);
    document.body.appendChild(venster);
    venster.addEventListener("close", function () {
      wijzers = {};
      vorige = null;
      beeld.removeAttribute("src");
    });
    venster.addEventListener("wheel", function (e) {
      e.preventDefault();
      zoom(e.deltaY < 0 ? 1.15 : 1 / 1.15, e.clientX, e.clientY);
    }, {passive: false});
    venster.addEventListener("keydown", toets);
    beeld.addEventListener("pointerdown", neer);
    beeld.addEventListener("pointermove", beweeg);
    beeld.addEventListener("pointerup", op);
    beeld.addEventListener("pointercancel", op);
    beeld.addEventListener("load", pas);
    window.addEventListener("resize", function () {
      if (venster.open) {
        pas();
      }
    });
  }

  function open(e) {
    if (e.button || e.ctrlKey || e.metaKey || e.shiftKey || e.altKey) {
      return; // a new tab or window, as the visitor asked
    }
    e.preventDefault();
    if (!venster) {
      maak();
    }
    var klein = this.querySelector("img");
    var naam = (klein && klein.alt) || "Afbeelding";
    beeld.alt = naam;
    venster.setAttribute("aria-label", naam + ", vergroot");
    beeld.src = this.href;
    venster.showModal();
    if (beeld.complete && beeld.naturalWidth) {
      pas();
    }
  }

  for (var i = 0; i < links.length; i++) {
    links[i].addEventListener("click", open);
  }
})();
)JS";
}

} // namespace gdk::type4
