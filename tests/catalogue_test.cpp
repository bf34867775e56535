// The player's own words reach the catalogues: every text a source file hands to
// QCoreApplication::translate is in the Portuguese catalogue, so a file the
// catalogue update does not read cannot leave a message untranslated.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A C string literal's text as the catalogue writes it.
std::string asCatalogueText(const std::string& literal) {
  std::string plain;
  for (size_t i = 0; i < literal.size(); ++i) {
    if (literal[i] == '\\' && i + 1 < literal.size()) {
      const char next = literal[++i];
      plain += next == 'n' ? '\n' : next;
    } else {
      plain += literal[i];
    }
  }
  std::string xml;
  for (char c : plain) {
    if (c == '&') xml += "&amp;";
    else if (c == '<') xml += "&lt;";
    else if (c == '>') xml += "&gt;";
    else xml += c;
  }
  return xml;
}

}  // namespace

TEST(Catalogues, EveryTranslatedTextOfTheSourcesIsInThePortugueseCatalogue) {
  const std::filesystem::path root(MIRANDEL_SOURCE_DIR);
  const std::string catalogue = readFile(root / "translations" / "mirandel_pt_BR.ts");
  ASSERT_FALSE(catalogue.empty());
  const std::regex call(R"re(translate\(\s*"(\w+)",\s*"((?:[^"\\]|\\.)*)")re");
  int texts = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "src")) {
    if (entry.path().extension() != ".cpp") continue;
    const std::string source = readFile(entry.path());
    for (std::sregex_iterator at(source.begin(), source.end(), call), end; at != end; ++at) {
      ++texts;
      const std::string text = asCatalogueText((*at)[2]);
      EXPECT_NE(catalogue.find("<source>" + text), std::string::npos)
          << entry.path().lexically_relative(root).string() << ": \"" << (*at)[2] << "\" (context " << (*at)[1]
          << ") is not in the catalogue";
    }
  }
  EXPECT_GT(texts, 50);
}
