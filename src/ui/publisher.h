// The publisher's addresses shown on the opening screen and the payment key of
// the support page. The base address is configurable (--publisher); the paths
// after it are fixed.
#pragma once
#include <QString>

namespace ui {

struct Publisher {
  QString baseAddress = QStringLiteral("https://quimera.example.org/");
  QString paymentKey = QStringLiteral("apoio@quimera.example.org");

  QString homePage() const { return baseAddress; }                                 // Image1
  QString enginePage() const { return baseAddress + QStringLiteral("quimera"); }   // Image4
  QString gamesPage() const { return baseAddress + QStringLiteral("jogos"); }      // Image3
  QString gamePage() const { return baseAddress + QStringLiteral("mrd2023"); }     // Image5
};

}  // namespace ui
