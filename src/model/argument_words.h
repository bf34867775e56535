// The closed sets of words statement arguments are written with, each read in
// one place into a type of its own. A handler reads its argument with the letter
// its row's shape gives it (argument<'t'>(s, 1)), and the game checker reads the
// same letter the same way: a word the handler would not act on is the word the
// checker reports. Words are compared exactly, as the scripts have always been
// read ("TEL" is no surface).
#pragma once
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "model/display_mode.h"
#include "model/hot_spots.h"
#include "model/object_table.h"
#include "model/statement.h"
#include "platform/sound.h"

namespace model {

enum class Surface { Tel, Fnc, Pan };                                     // the buffers a statement draws on
enum class Switch { On, Off };                                            // a control or the map shown or not
enum class EngineVariable { Modelo, Script, IniScp, RetScp, Posic, Objeto };  // getvar=
enum class LinkParameter { Prm, Prx, Pry };                               // param=
enum class ObjectPart { Tit, Dsc, Shp };                                  // showobj=
enum class FocusTarget { Web, Inp, Fnc, Vsr, Msg };                       // setfoco=

template <class Value>
struct Word {
  std::string_view text;
  Value value;
};

// What a shape letter reads as: its words and the type they read into. Letters
// with a closed set of words only; numbers, names and texts are read elsewhere.
template <char Letter>
struct ArgumentWords;

template <> struct ArgumentWords<'t'> {
  static constexpr std::array<Word<Surface>, 3> words{{{"tel", Surface::Tel}, {"fnc", Surface::Fnc}, {"pan", Surface::Pan}}};
};
template <> struct ArgumentWords<'g'> {
  static constexpr std::array<Word<PointerSurface>, 4> words{{{"tel", PointerSurface::Tela},
                                                                {"fnc", PointerSurface::TelCmd},
                                                                {"pan", PointerSurface::Imp},
                                                                {"md3", PointerSurface::Tela3}}};
};
template <> struct ArgumentWords<'e'> {
  static constexpr std::array<Word<Switch>, 2> words{{{"on", Switch::On}, {"off", Switch::Off}}};
};
// playsnd: no mode (or another word) plays once and goes on.
template <> struct ArgumentWords<'E'> {
  static constexpr std::array<Word<platform::EffectMode>, 3> words{
      {{"off", platform::EffectMode::Wait}, {"on", platform::EffectMode::Loop}, {"stop", platform::EffectMode::Stop}}};
};
template <> struct ArgumentWords<'f'> {
  static constexpr std::array<Word<Field>, 5> words{
      {{"nom", Field::Nom}, {"dsc", Field::Dsc}, {"loc", Field::Loc}, {"shp", Field::Shp}, {"tag", Field::Tag}}};
};
template <> struct ArgumentWords<'z'> {
  static constexpr std::array<Word<ObjectPart>, 3> words{
      {{"tit", ObjectPart::Tit}, {"dsc", ObjectPart::Dsc}, {"shp", ObjectPart::Shp}}};
};
template <> struct ArgumentWords<'v'> {
  static constexpr std::array<Word<EngineVariable>, 6> words{{{"Modelo", EngineVariable::Modelo},
                                                                {"Script", EngineVariable::Script},
                                                                {"IniScp", EngineVariable::IniScp},
                                                                {"RetScp", EngineVariable::RetScp},
                                                                {"Posic", EngineVariable::Posic},
                                                                {"Objeto", EngineVariable::Objeto}}};
};
template <> struct ArgumentWords<'y'> {
  static constexpr std::array<Word<LinkParameter>, 3> words{
      {{"prm", LinkParameter::Prm}, {"prx", LinkParameter::Prx}, {"pry", LinkParameter::Pry}}};
};
template <> struct ArgumentWords<'F'> {
  static constexpr std::array<Word<FocusTarget>, 5> words{{{"web", FocusTarget::Web},
                                                            {"inp", FocusTarget::Inp},
                                                            {"fnc", FocusTarget::Fnc},
                                                            {"vsr", FocusTarget::Vsr},
                                                            {"msg", FocusTarget::Msg}}};
};
// The four display modes; any other text is a mode of its own (DisplayModeSetting),
// which the checker reports.
template <> struct ArgumentWords<'m'> {
  static constexpr std::array<Word<DisplayMode>, 4> words{{{"0", DisplayMode::Typewriter},
                                                             {"1", DisplayMode::Strip},
                                                             {"2", DisplayMode::Page},
                                                             {"3", DisplayMode::Canvas}}};
};

template <char Letter>
using ArgumentValue = decltype(ArgumentWords<Letter>::words[0].value);

// The value of a word of the letter's set, or nothing for any other text.
template <char Letter>
std::optional<ArgumentValue<Letter>> readArgument(std::string_view text) {
  for (const auto& word : ArgumentWords<Letter>::words)
    if (word.text == text) return word.value;
  return std::nullopt;
}

// Argument k of a statement, read as its shape letter says.
template <char Letter>
std::optional<ArgumentValue<Letter>> argument(const Statement& s, int k) {
  return readArgument<Letter>(s.arg(k));
}

// The word a value is written with (dumps, traces, events files).
template <char Letter>
std::string_view argumentWord(ArgumentValue<Letter> value) {
  for (const auto& word : ArgumentWords<Letter>::words)
    if (word.value == value) return word.text;
  return {};
}

// The words of a letter's set, in the order above; none for a letter without
// one. For readers that hold the letter only at run time (the checker's shapes).
std::vector<std::string_view> argumentWordsOf(char letter);

}  // namespace model
