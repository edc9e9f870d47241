// The search code of an exported site, written into tool/script/zoeken.js after its two tables.
// Plain JavaScript for any browser of the last decade, no library. Card data reaches the page
// only through textContent and an href attribute, never as markup.
#include "export/zoekpagina.h"

namespace gdk {

const char* ZoekScriptCode() {
    return R"JS(
(function () {
   "use strict";

   // At most this many cards are listed; the line above the list gives the whole number.
   var MAX_TONEN = 200;
   var MAP = "tool/zoeken/";

   var delen = {};      // loaded shards by name
   var wachters = {};   // per shard still loading: what waits for it
   var beurt = 0;       // the newest search; an older one that finishes late shows nothing

   // Every shard, the table of contents "inhoud" included, is a script that hands its data here.
   window.gdkZoekDeel = function (naam, data) {
      delen[naam] = data;
      klaarMet(naam, true);
   };

   function klaarMet(naam, gelukt) {
      var w = wachters[naam] || [];
      delete wachters[naam];
      for (var i = 0; i < w.length; i++) {
         w[i](gelukt);
      }
   }

   // Loads the shards not yet loaded, each once, through a script element: that works from a web
   // server and from disk (file://), where a browser refuses to fetch data. `klaar` runs at once
   // when all are there already, so a search in loaded shards shows its result without delay.
   function laad(namen, klaar) {
      var open = 0, gelukt = true;
      function een(ok) {
         gelukt = gelukt && ok;
         open--;
         if (open === 0) {
            klaar(gelukt);
         }
      }
      for (var i = 0; i < namen.length; i++) {
         var naam = namen[i];
         if (delen.hasOwnProperty(naam)) {
            continue;
         }
         open++;
         if (!wachters[naam]) {
            wachters[naam] = [];
            var s = document.createElement("script");
            s.src = MAP + naam + ".js";
            s.onerror = (function (n) {
               return function () { klaarMet(n, false); };
            })(naam);
            document.body.appendChild(s);
         }
         wachters[naam].push(een);
      }
      if (open === 0) {
         klaar(true);
      }
   }

   // One typed character as the index folds it: a-z and 0-9, or "" for a boundary.
   function vouwTeken(c) {
      if ((c >= "a" && c <= "z") || (c >= "0" && c <= "9")) {
         return c;
      }
      if (c >= "A" && c <= "Z") {
         return c.toLowerCase();
      }
      if (GDK_VOUW.hasOwnProperty(c)) {
         return GDK_VOUW[c];
      }
      // A letter from beyond Windows-1252 (o with double acute, say) counts as its plain letter.
      if (c.normalize) {
         var d = c.normalize("NFD").charAt(0).toLowerCase();
         if (d >= "a" && d <= "z") {
            return d;
         }
      }
      return "";
   }

   // The words of a query, folded, "ij" as "y". A repeated word and a word with which another typed
   // word begins add nothing (a card that matches the longer one matches it too).
   function vraagWoorden(tekst) {
      var ruw = [], w = "";
      for (var i = 0; i <= tekst.length; i++) {
         var v = i < tekst.length ? vouwTeken(tekst.charAt(i)) : "";
         if (v) {
            w += v;
         } else if (w) {
            ruw.push(w.replace(/ij/g, "y"));
            w = "";
         }
      }
      var woorden = [];
      for (var a = 0; a < ruw.length; a++) {
         var nodig = true;
         for (var b = 0; b < ruw.length && nodig; b++) {
            var anders = ruw[b] !== ruw[a] || b < a;
            if (anders && ruw[b].lastIndexOf(ruw[a], 0) === 0) {
               nodig = false;
            }
         }
         if (nodig) {
            woorden.push(ruw[a]);
         }
      }
      return woorden;
   }

   // A typed word ending in "i" may be the start of "ij", which the index holds as "y".
   function vormen(w) {
      return w.charAt(w.length - 1) === "i" ? [w, w.slice(0, -1) + "y"] : [w];
   }

   // The word shards that may hold a word beginning with `vorm` (all words are a-z and 0-9, so
   // "~" sorts after every one of them).
   function woordDelen(inhoud, vorm) {
      var uit = [];
      for (var i = 0; i < inhoud.woorden.length; i++) {
         var d = inhoud.woorden[i];
         if (d[2] >= vorm && d[1] <= vorm + "~") {
            uit.push(d[0]);
         }
      }
      return uit;
   }

   // The ranks, ascending and without repeats, of the cards with a word that begins with `w`.
   function rangenVan(inhoud, w) {
      var rangen = [];
      var v = vormen(w);
      for (var i = 0; i < v.length; i++) {
         var namen = woordDelen(inhoud, v[i]);
         for (var j = 0; j < namen.length; j++) {
            var data = delen[namen[j]];
            var lo = 0, hi = data.length / 2;
            while (lo < hi) {
               var m = (lo + hi) >> 1;
               if (data[2 * m] < v[i]) {
                  lo = m + 1;
               } else {
                  hi = m;
               }
            }
            for (var k = lo; k < data.length / 2 && data[2 * k].lastIndexOf(v[i], 0) === 0; k++) {
               var verschillen = data[2 * k + 1], r = 0;
               for (var x = 0; x < verschillen.length; x++) {
                  r += verschillen[x];
                  rangen.push(r);
               }
            }
         }
      }
      rangen.sort(function (a, b) { return a - b; });
      var uniek = [];
      for (var u = 0; u < rangen.length; u++) {
         if (u === 0 || rangen[u] !== rangen[u - 1]) {
            uniek.push(rangen[u]);
         }
      }
      return uniek;
   }

   function doorsnede(a, b) {
      var uit = [], i = 0, j = 0;
      while (i < a.length && j < b.length) {
         if (a[i] < b[j]) {
            i++;
         } else if (a[i] > b[j]) {
            j++;
         } else {
            uit.push(a[i]);
            i++;
            j++;
         }
      }
      return uit;
   }

   // The card shard of a rank: the last one whose first rank is not above it.
   function kaartDeel(inhoud, r) {
      var lo = 0, hi = inhoud.kaarten.length - 1;
      while (lo < hi) {
         var m = (lo + hi + 1) >> 1;
         if (inhoud.kaarten[m][1] <= r) {
            lo = m;
         } else {
            hi = m - 1;
         }
      }
      return inhoud.kaarten[lo];
   }

   function zetAantal(tekst) {
      document.getElementById("zoekaantal").textContent = tekst;
   }

   function leegLijst() {
      var lijst = document.getElementById("zoekresultaten");
      while (lijst.firstChild) {
         lijst.removeChild(lijst.firstChild);
      }
      return lijst;
   }

   function toon(inhoud, rangen, aantal) {
      var lijst = leegLijst();
      for (var i = 0; i < rangen.length; i++) {
         var deel = kaartDeel(inhoud, rangen[i]);
         var data = delen[deel[0]], p = 5 * (rangen[i] - deel[1]);
         var naam = data[p], geboren = data[p + 1], overleden = data[p + 2], plaats = data[p + 3];
         var link = data[p + 4];
         var li = document.createElement("li");
         var kop = document.createElement(link ? "a" : "b");
         if (link) {
            kop.setAttribute("href", link);
         }
         kop.textContent = naam || "(zonder naam)";
         li.appendChild(kop);
         var rest = [];
         if (geboren) {
            rest.push("geboren " + geboren);
         }
         if (overleden || plaats) {
            rest.push("overleden" + (overleden ? " " + overleden : "") + (plaats ? " te " + plaats : ""));
         }
         if (rest.length) {
            li.appendChild(document.createTextNode(", " + rest.join(", ")));
         }
         lijst.appendChild(li);
      }
      if (aantal === 0) {
         zetAantal("Geen gedenkjes gevonden.");
      } else {
         zetAantal((aantal === 1 ? "1 gedenkje gevonden." : aantal + " gedenkjes gevonden.") +
                   (aantal > rangen.length ? " De eerste " + rangen.length + " staan hieronder." : ""));
      }
   }

   function mislukt() {
      leegLijst();
      zetAantal("De zoekgegevens van deze site konden niet geladen worden.");
   }

   function zoek(tekst) {
      var mijn = ++beurt;
      var woorden = vraagWoorden(String(tekst));
      if (woorden.length === 0) {
         leegLijst();
         zetAantal(/\S/.test(String(tekst)) ? "Geen gedenkjes gevonden." : "");
         return;
      }
      zetAantal("Bezig met zoeken...");
      laad(["inhoud"], function (gelukt) {
         if (mijn !== beurt) {
            return;
         }
         if (!gelukt) {
            return mislukt();
         }
         var inhoud = delen.inhoud, nodig = [];
         for (var i = 0; i < woorden.length; i++) {
            var v = vormen(woorden[i]);
            for (var j = 0; j < v.length; j++) {
               nodig = nodig.concat(woordDelen(inhoud, v[j]));
            }
         }
         laad(nodig, function (gelukt) {
            if (mijn !== beurt) {
               return;
            }
            if (!gelukt) {
               return mislukt();
            }
            var rangen = null;
            for (var i = 0; i < woorden.length && (rangen === null || rangen.length > 0); i++) {
               var r = rangenVan(inhoud, woorden[i]);
               rangen = rangen === null ? r : doorsnede(rangen, r);
            }
            var tonen = rangen.slice(0, MAX_TONEN), kaartNamen = [];
            for (var k = 0; k < tonen.length; k++) {
               var naam = kaartDeel(inhoud, tonen[k])[0];
               if (kaartNamen.indexOf(naam) < 0) {
                  kaartNamen.push(naam);
               }
            }
            laad(kaartNamen, function (gelukt) {
               if (mijn !== beurt) {
                  return;
               }
               if (!gelukt) {
                  return mislukt();
               }
               toon(inhoud, tonen, rangen.length);
            });
         });
      });
   }

   // "?q=WORDS": a shared link, or this page's own form. The form of a Windows-1252 page sends
   // its characters as single bytes (%EB for e with diaeresis), a typed link sends UTF-8.
   function vraagUitAdres() {
      var stukken = location.search.substring(1).split("&");
      for (var i = 0; i < stukken.length; i++) {
         if (stukken[i].lastIndexOf("q=", 0) === 0) {
            var t = stukken[i].substring(2).replace(/\+/g, " ");
            try {
               return decodeURIComponent(t);
            } catch (e) {
               return t.replace(/%([0-9A-Fa-f]{2})/g, function (m, h) {
                  var b = parseInt(h, 16);
                  return String.fromCharCode(b >= 0x80 && b < 0xA0 ? GDK_C1[b - 0x80] : b);
               });
            }
         }
      }
      return "";
   }

   var veld = document.getElementById("zoekveld");
   veld.addEventListener("input", function () { zoek(veld.value); });
   document.getElementById("zoekformulier").addEventListener("submit", function (e) {
      e.preventDefault();
      zoek(veld.value);
   });
   var vraag = vraagUitAdres();
   if (vraag) {
      veld.value = vraag;
      zoek(vraag);
   }
})();)JS";
}

} // namespace gdk
