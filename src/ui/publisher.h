// The publisher's addresses shown on the opening screen and the payment key of
// the support page. The base address comes from --publisher; the paths after it
// are fixed. Without it there is no address to show: the opening screen hides
// its publisher links rather than point at a site nobody runs.
#pragma once
#include <QString>

namespace ui {

struct Publisher {
  QString baseAddress;
  QString paymentKey = QStringLiteral("apoio@quimera.example.org");

  bool known() const { return !baseAddress.isEmpty(); }
  QString homePage() const { return baseAddress; }                                 // Image1
  QString enginePage() const { return known() ? baseAddress + QStringLiteral("quimera") : QString(); }   // Image4
  QString gamesPage() const { return known() ? baseAddress + QStringLiteral("jogos") : QString(); }      // Image3
  QString gamePage() const { return known() ? baseAddress + QStringLiteral("mrd2023") : QString(); }     // Image5
};

}  // namespace ui
