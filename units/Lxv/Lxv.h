#pragma once
// Unit Lxv: the translator component and what it rests on.
#include "Lxv/HostSettings.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/Package.h"
#include "Lxv/SortList.h"
