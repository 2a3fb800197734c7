#pragma once
// Unit Lxv: the translator component and what it rests on.
#include "Lxv/Catalogue.h"
#include "Lxv/HostSettings.h"
#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/Package.h"
#include "Lxv/SortList.h"
