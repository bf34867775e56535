// The statements on the current location and its exits: norte= ... sair=,
// cleardir, getdir, ifdir=, ifnor/ifsul/ifles/ifoes, ifloc=/ifpos=/ifloc#.
#pragma once
#include "model/dispatch.h"

namespace world {

void registerLocationStatements(model::Dispatch& dispatch);

}  // namespace world
