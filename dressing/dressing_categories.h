#pragma once

#include <array>
#include <string_view>

#include "dressing/dressing_tables.h"
#include "engine/dressing_records.h"

namespace delvora {

// One dressing category: its table, the file that extends it, and how each output names it.
struct DressingCategory {
  // The category's table among the six.
  DressingTable DressingTables::*table;
  // The dressing file in the dressing directory ("Descriptions.txt").
  std::string_view fileName;
  // The heading of the report, the hover text and the printout ("Description").
  std::string_view label;
  // The key that starts the category's lines in the editing file ("Description=").
  std::string_view editKey;
  // What the hover text shows for an index past the end of the table.
  std::string_view emptyText;
  // The caption of the advanced window's button that picks the file to edit ("Descriptions").
  std::string_view caption;
};

// The six categories in the order rooms are dressed and every output lists them.
inline constexpr std::array<DressingCategory, kDressingCategoryCount> kDressingCategories{{
    {&DressingTables::FluffDesc, "Descriptions.txt", "Description",
     "Description=", "Nothing unusual", "Descriptions"},
    {&DressingTables::FluffSounds, "Sounds.txt", "Sounds", "Sounds=", "Nothing unusual", "Sounds"},
    {&DressingTables::FluffSmells, "Smells.txt", "Smells", "Smells=", "Nothing unusual", "Smells"},
    {&DressingTables::FluffItems, "Items.txt", "Items", "Items=", "Nothing unusual", "Items"},
    {&DressingTables::FluffTraps, "Traps.txt", "Traps", "Traps=", "None found", "Traps"},
    {&DressingTables::FluffTreasure, "Treasure.txt", "Treasure", "Treasure=", "None found",
     "Treasure"},
}};

// The encounter category, listed after the six wherever a room's encounter is shown.
inline constexpr DressingCategory kEncounterCategory{&DressingTables::Encounters,
                                                     "Encounters.txt",
                                                     "Encounters",
                                                     "Encounters=",
                                                     "Nothing here",
                                                     "Encounters"};

// Every category with a dressing file: the six, then encounters.
inline constexpr std::array<DressingCategory, kDressingCategoryCount + 1> kDressingFileCategories{
    {kDressingCategories[0], kDressingCategories[1], kDressingCategories[2], kDressingCategories[3],
     kDressingCategories[4], kDressingCategories[5], kEncounterCategory}};

}  // namespace delvora
