// SPDX-License-Identifier: GPL-3.0-or-later
// The time zone catalogue: 71 named zones in display order, each with the zone it
// puts into the main form. Hours west of Greenwich are positive, east negative; a
// half hour carries the hour's sign ({-5, -30} for India). The displayed text is
// only a label, shown in the user's language: a choice is resolved by its
// position.
#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

#include "core/zone_offset.h"

namespace velnora {

struct TimeZoneEntry {
    std::string_view text;  // as listed
    ZoneOffset zone;
};

inline constexpr std::array<TimeZoneEntry, 71> kTimeZones = {{
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Alaska/Hawaii Daylight Time,AHDT,-9.0"), {9, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Alaska/Hawaii Standard Time,AHST,-10.0"), {10, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Alaska/Hawaii War Time,AHWT,-9.0"), {9, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Atlantic Standard Time,AST,-4.0"), {4, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Atlantic War Time,AWT,-3.0"), {3, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Australian Central Daylight Time,ACDT,+10.5"),
     {-10, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Australian Central Standard Time,ACST,+9.5"),
     {-9, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Australian Eastern Daylight Time,AEDT,+11.0"),
     {-11, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Australian Eastern Standard Time,AEST,+10.0"),
     {-10, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Australian Western Daylight Time,AWDT,+9.0"),
     {-9, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Australian Western Standard Time,AWST,+8.0"),
     {-8, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Azores Time, AT, -2.0"), {2, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Baghdad Time, BAT, +3.0"), {-3, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Bering Standard Time,BET,-11.0"), {11, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Brazil Zone 2,BZT2,-3.0"), {3, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "British Double Summer Time,BDST,+2.0"), {-2, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "British Summer Time,BST,+1.0"), {-1, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "British War Time,BWT,+2.0"), {-2, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Central Daylight Time,CDT,-5.0"), {5, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Central European Daylight,CED,+2.0"), {-2, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Central European Time,CET,+1.0"), {-1, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Central Standard Time,CST,-6.0"), {6, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Central War Time,CWT,-5.0"), {5, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "China Coast Time,CCT,+8.0"), {-8, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Eastern Daylight Time,EDT,-4.0"), {4, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Eastern European Daylight Time,EED,+3.0"), {-3, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Eastern European Time,EET,+2.0"), {-2, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Eastern Standard Time,EST,-5.0"), {5, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Eastern War Time,EWT,-4.0"), {4, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Greenwich Mean Time,GMT,0.0"), {0, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Guam Standard Time,GST,+10.0"), {-10, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Hawaiian Daylight Time,HDT,-9.5"), {9, 30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Hawaiian Standard Time,HST,-10.5"), {10, 30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Hawaiian War Time,HWT,-9.5"), {9, 30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Indian Time, IST, +5.3"), {-5, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Int'l Date Line East,IDLE,+12.0"), {-12, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Int'l Date Line West,IDLW,-12.0"), {12, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Iran Time, IT, +3.5"), {-3, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Japan Standard Time,JST,+9.0"), {-9, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Java Time, JT, +7.5"), {-7, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Middle European Daylight Time,MED,+2.0"), {-2, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Middle European Time,MET,+1.0"), {-1, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Moluccas Time, MT, +8.5"), {-8, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Mountain Daylight Time,MDT,-6.0"), {6, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Mountain Standard Time,MST,-7.0"), {7, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Mountain War Time,MWT,-6.0"), {6, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "New Zealand Std Summer Time,NZST,+13.0"), {-13, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "New Zealand Std Time,NZT,+12.0"), {-12, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "New Zealand Summer Time,NZS,+12.5"), {-12, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "New Zealand Time,NZ,+11.5"), {-11, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Newfoundland Standard Time,NST,-3.5"), {3, 30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Nome Time, NT, -11.0"), {11, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "North Sumatra Time,NST,+6.5"), {-6, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Pacific Daylight Time,PDT,-7.0"), {7, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Pacific Standard Time,PST,-8.0"), {8, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Pacific War Time,PWT,-7.0"), {7, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "South Australia Daylight Time,SAD,+10.5"),
     {-10, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "South Australia Daylight Time,SDT,+10.5"),
     {-10, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "South Australia Standard Time,SAST,+9.5"),
     {-9, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "South Australia Standard Time,SAT,+9.5"),
     {-9, -30}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "South Sumatra Time,SST,+7.0"), {-7, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Universal Time, UT, 0.0"), {0, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "USSR Zone 10,UZ10,+11.0"), {-11, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "USSR Zone 3,USZ3,+4.0"), {-4, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "USSR Zone 4,USZ4,+5.0"), {-5, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "USSR Zone 5,USZ5,+6.0"), {-6, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "USSR Zone 6,USZ6,+7.0"), {-7, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "West Africa Time,WAT,-1.0"), {1, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Yukon Daylight Time,YDT,-8.0"), {8, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Yukon Standard Time,YST,-9.0"), {9, 0}},
    {QT_TRANSLATE_NOOP("velnora::FrmTimeZone", "Yukon War Time,YWT,-8.0"), {8, 0}},
}};

}  // namespace velnora
