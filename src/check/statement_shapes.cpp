// The shape table, grouped like the statements.
#include "check/statement_shapes.h"

#include <map>

namespace check {
namespace {

const std::map<std::string_view, Shape>& shapes() {
  static const std::map<std::string_view, Shape> table = {
      // core
      {"fim", {"", 0}}, {"end", {"", 0}}, {"pausa=", {"", 0, true}},
      {"clearmsg", {"", 0}}, {"param=", {"ry", 2}}, {"setpos=", {"s", 0}}, {"getvar=", {"rv", 2}},
      // registers and tests
      {"reg=", {"rx", 1}}, {"reg$", {"rx", 1}}, {"trim", {"r", 1}},
      // regtxt= texts cut at a comma are reported apart
      {"regtxt=", {"rx", 2, true}}, {"regtxt+", {"rx", 2, true}},
      {"reg+", {"ri", 2}}, {"reg-", {"ri", 2}}, {"reg*", {"ri", 2}}, {"reg:", {"ri", 2}}, {"reg?", {"ri", 2}},
      {"reg/", {"rx", 2}},
      {"ifreg=", {"rxl", 3}}, {"ifreg#", {"rxl", 3}}, {"ifreg>", {"rjl", 3}}, {"ifreg<", {"rjl", 3}},
      {"ifmod0", {"k", 1}}, {"ifmod1", {"k", 1}}, {"ifmod2", {"k", 1}}, {"ifmod3", {"k", 1}},
      {"if=", {"rxk", 3}}, {"if#", {"rxk", 3}}, {"if>", {"rik", 3}}, {"if<", {"rik", 3}}, {"if~", {"jxxk", 4}},
      // jumps
      {"script", {"s", 1}}, {"retscp=", {"s", 0}}, {"gosub", {"G", 1}}, {"return", {"", 0}}, {"ret", {"", 0}},
      {"scriptcmd=", {"q", 1}}, {"scpcmd=", {"q", 1}}, {"goto", {"l", 1}},
      // objects
      {"getobj=", {"rof", 3}},
      {"getnomobj=", {"ro", 2}}, {"getdscobj=", {"ro", 2}}, {"getlocobj=", {"ro", 2}}, {"getshpobj=", {"ro", 2}},
      {"gettagobj=", {"ro", 2}},
      {"setobj=", {"ofx", 2}},
      {"setnomobj=", {"ox", 1}}, {"setdscobj=", {"ox", 1}}, {"setlocobj=", {"ox", 1}}, {"setshpobj=", {"ox", 1}},
      {"settagobj=", {"ox", 1}},
      {"tiratudo", {"xx", 2}}, {"poetudo", {"xx", 2}},
      {"pegaobj=", {"o", 1}}, {"pegaobj", {"o", 1}}, {"soltaobj=", {"o", 1}}, {"soltaobj", {"o", 1}},
      {"poeobj=", {"ox", 1}},
      {"ifobj=", {"oxl", 3}}, {"ifobj#", {"oxl", 3}}, {"tem?", {"ol", 2}}, {"temos?", {"ol", 2}},
      {"conta", {"xr", 2}}, {"lstobj=", {"xr", 2}}, {"lstobj", {"xr", 2}}, {"lstobjlnk=", {"xr", 2}},
      {"lstobjlnk", {"xr", 2}}, {"listaobjetos", {"x", 1}}, {"objeto=", {"o", 1}}, {"getultobj=", {"r", 1}},
      // locations
      {"cleardir", {"", 0}},
      {"norte=", {"s", 0}}, {"sul=", {"s", 0}}, {"leste=", {"s", 0}}, {"oeste=", {"s", 0}},
      {"subir=", {"s", 0}}, {"descer=", {"s", 0}}, {"entrar=", {"s", 0}}, {"sair=", {"s", 0}},
      {"getdir", {"rd", 2}}, {"ifdir=", {"dPiiiijpw", 2}},
      {"ifnor", {"k", 1}}, {"ifsul", {"k", 1}}, {"ifles", {"k", 1}}, {"ifoes", {"k", 1}},
      {"ifloc=", {"xl", 2}}, {"ifpos=", {"xl", 2}}, {"ifloc#", {"xl", 2}},
      // map
      {"loadmap=", {"pM", 1}}, {"addmap=", {"iipM", 4}}, {"defpicmap=", {"tjjjj", 5}}, {"picmap=", {"jj", 0}},
      {"showmap", {"e", 1}}, {"showmap=", {"e", 1}}, {"posmap=", {"jjjj", 0}}, {"linksoff=", {"g", 0}},
      // game state (reset has its own check)
      {"recall=", {"", 0, true}}, {"saveregs", {"", 0, true}},
      // text
      {"fonte=", {"xicxxx", 0}}, {"fntface=", {"x", 0}}, {"fntsize=", {"j", 0}}, {"fntsty=", {"S", 0}},
      {"cortxt=", {"c", 0}}, {"corfnd=", {"c", 0}}, {"corlnk=", {"c", 0}}, {"corvzk=", {"c", 0}},
      {"cleartxt", {"", 0}}, {"clear$", {"", 0}}, {"postxt=", {"aa", 0}}, {"postxt", {"aa", 0}},
      {"lnfeed=", {"j", 0}}, {"linefeed", {"", 0}}, {"lf", {"", 0}},
      // pictures (display= has its own check: a picture and a text take other arguments)
      {"showobj=", {"oz", 2, true}}, {"telpos=", {"ps", 1}},
      {"cleartela", {"c", 0}}, {"clearfunc", {"c", 0}}, {"cleartotal", {"", 0}},
      {"telacorfnd=", {"c", 1}}, {"telacortxt=", {"c", 1}}, {"telafntnome=", {"x", 1}}, {"telafntalt=", {"i", 1}},
      // layout
      {"modo=", {"m", 1}}, {"setmode=", {"m", 1}}, {"defini=", {"jx", 1}}, {"setfoco=", {"F", 1}},
      {"loadpainel=", {"p", 1}}, {"ldpan=", {"p", 1}},
      {"defmsg=", {"eiiiixicS", 1}}, {"deffnc=", {"eiiiixicS", 1}}, {"deftela=", {"eiiiixicS", 1}},
      {"definput=", {"eiiiixicS", 1}}, {"defvisor=", {"eiiiixicS", 1}}, {"defpainel=", {"pxiixicS", 1}},
      {"defweb=", {"iic", 0}}, {"barratop", {"e", 1}}, {"defcom=", {"q", 1}},
      {"cinza=", {"tCjjjjj", 1}}, {"altura=", {"j", 0}}, {"retmode", {"", 0}}, {"retmodo", {"", 0}},
      {"veltec=", {"j", 0}},
      // hot spots
      {"lnktel=", {"Psiixxjpw", 1}}, {"linktel=", {"Psiixxjpw", 1}},
      {"lnkfnc=", {"Psiiiijpw", 1}}, {"linkfunc=", {"Psiiiijpw", 1}},
      {"lnkpan=", {"Psiiiijpw", 1}}, {"linkpainel=", {"Psiiiijpw", 1}},
      {"dispobj=", {"xtjjjjj", 1}}, {"displayobjetos=", {"xtjjjjj", 1}},
      // text boxes
      {"btxt=", {"TaajjcSCj", 0}}, {"boxtexto=", {"TaajjcSCj", 0}},
      // music and sound (chuva= has its own check)
      {"playmusica", {"w", 1}}, {"play", {"w", 1}}, {"volume=", {"j", 1}}, {"playsnd", {"wE", 0}},
      // on-line
      {"download", {"", 0}},
  };
  return table;
}

}  // namespace

const Shape* shapeOf(std::string_view keyword) {
  auto it = shapes().find(keyword);
  return it == shapes().end() ? nullptr : &it->second;
}

std::vector<std::string> shapedKeywords() {
  std::vector<std::string> all;
  for (const auto& entry : shapes()) all.emplace_back(entry.first);
  return all;
}

}  // namespace check
