// After a read the window makes the four orders of its lists and the search words of the cards:
// all four orders, so that a sort order chosen later costs its list's filling alone. At 200000
// persons that takes about a third of a second; on a thread of its own it leaves the window free
// meanwhile. The thread only reads the store, and the store only changes by a read (or an export
// that sets it aside), which first stops or waits for the thread.
#include "ui/tfrmgedenkjes.h"

#include "platform/delen.h"
#include "platform/gebruiker.h"

#include <QButtonGroup>
#include <QLineEdit>

#include <new>
#include <system_error>
#include <utility>

void TfrmGedenkjes::Voorbereiden() {
    const std::uint64_t nummer = ++voorbereiding_;
    const auto werk = [this, nummer] {
        try {
            // The letter lists and the search take the orders with the surname first.
            for (const bool achternaamEerst : {true, false})
                for (const bool relaties : {false, true})
                    if (!stopVoorbereiding_) lijsten_.Volgorde(relaties, achternaamEerst);
            if (!stopVoorbereiding_) zoeker_.Bouw(lijsten_.Volgorde(false, true));
        } catch (...) {
            voorbereidFout_ = std::current_exception();
        }
        if (!stopVoorbereiding_)
            QMetaObject::invokeMethod(
                this, [this, nummer] { Voorbereid(nummer); }, Qt::QueuedConnection);
    };
    gdk::EenHeap();
    try {
        voorbereider_ = std::thread(werk);
    } catch (const std::system_error&) {
        // No thread to be had: made here, taken over as from a thread.
        werk();
    }
}

void TfrmGedenkjes::StopVoorbereiding() {
    if (voorbereider_.joinable()) {
        stopVoorbereiding_ = true;
        voorbereider_.join();
        stopVoorbereiding_ = false;
    }
    // A result already on its way belongs to the store as it was.
    ++voorbereiding_;
    voorbereid_ = false;
    voorbereidFout_ = nullptr;
    wachtendeLetter_ = 0;
    lijsten_.Wis();
    zoeker_.Wis();
}

void TfrmGedenkjes::VoorbereidingAfwachten() {
    Voorbereid(voorbereiding_);
}

void TfrmGedenkjes::Voorbereid(std::uint64_t nummer) {
    if (nummer != voorbereiding_ || voorbereid_) return;
    if (voorbereider_.joinable()) voorbereider_.join();
    voorbereid_ = true;
    const char letter = std::exchange(wachtendeLetter_, 0);
    if (const std::exception_ptr fout = std::exchange(voorbereidFout_, nullptr)) {
        // What the thread left half made is forgotten; a list asked for is then made when asked,
        // and the search stays closed.
        lijsten_.Wis();
        zoeker_.Wis();
        try {
            std::rethrow_exception(fout);
        } catch (const std::bad_alloc&) {
            gdk::UI().Melding("Er is onvoldoende geheugen om de lijsten en het zoeken klaar te maken.");
        } catch (const std::exception& f) {
            gdk::UI().Melding(f.what());
        }
        return;
    }
    edtZoeken->setEnabled(true);
    edtZoekenChange();
    if (letter) VulRelatieLijst(letter);
    SorteerLijst(rgrpSorterenRelatieKeuze, lbxSorterenRelatie, true);
    SorteerLijst(rgrpSorterenPersoonKeuze, lbxSorterenPersoon, false);
}
