#include "ExampleSeason.h"

namespace example {

std::vector<DivePlan> Season() {
  std::vector<DivePlan> dives;
  auto add = [&](DivePlan plan) { dives.push_back(std::move(plan)); };

  {
    DivePlan p = Plan(101, 1998, 4, 18, 10 * 60 + 30, 0x01, "Attersee", "Schöberl");
    p.weather = 2; p.airTemperature = 1200; p.suit = 6; p.waterTemperature = 650;
    p.tankCapacity = 1000; p.airConsumption = 14000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeFresh; p.activity = kActClub | kActExploration;
    p.partners = "Jürgen, Anaïs"; p.comment = "First dive of the season, 6 degrees at 20 m.";
    p.legs = {{22, 8}, {16, 10}, {10, 10}, {5, 3}, {0.8, 0, 6}};
    p.coldFrom = 12;
    add(p);
  }
  {
    DivePlan p = Plan(102, 1998, 4, 18, 14 * 60 + 10, 0x01, "Attersee", "Kuhwand");
    p.surfaceInterval = 140; p.weather = 2; p.airTemperature = 1400; p.suit = 6; p.waterTemperature = 600;
    p.tankCapacity = 1000; p.airConsumption = 15500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Wall dive, good visibility below the thermocline.";
    p.legs = {{34, 4}, {27, 6}, {18, 8}, {9, 5}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 6; p.coldEvery = 5; p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(103, 1998, 5, 23, 11 * 60 + 5, 0x01, "Hallstätter See", "Hirschbrunn");
    p.surfaceInterval = 31000; p.weather = 5; p.airTemperature = 1600; p.suit = 5; p.waterTemperature = 800;
    p.tankCapacity = 1200; p.airConsumption = 13000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActClub;
    p.partners = "Anaïs, Stéphane"; p.comment = "Thunderstorm on the way back.";
    p.legs = {{18, 14}, {14, 15}, {8, 10}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 25; p.coldEvery = 6;
    add(p);
  }
  {
    DivePlan p = Plan(104, 1998, 6, 13, 9 * 60 + 40, 0x01, "Bodensee", "Überlingen Teufelstisch");
    p.surfaceInterval = 30000; p.weather = 1; p.airTemperature = 2200; p.suit = 6; p.waterTemperature = 550;
    p.tankCapacity = 1500; p.airConsumption = 17500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Down the needle to 42 m. Two stops.";
    p.legs = {{42, 6}, {36, 4}, {24, 4}, {12, 3}, {6, 4}, {3, 5}, {0.7, 0, 5}};
    p.events = {{5, 14, kDeco}, {14, 16, 0, 5}};
    p.coldFrom = 4; p.coldEvery = 3; p.bubbleBoost = 3;
    add(p);
  }
  {
    DivePlan p = Plan(105, 1998, 7, 4, 21 * 60 + 45, 0x01, "Zürichsee", "Wädenswil");
    p.surfaceInterval = 29000; p.weather = 1; p.airTemperature = 2400; p.suit = 4; p.waterTemperature = 1700;
    p.tankCapacity = 1200; p.airConsumption = 11000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActNight;
    p.partners = "Stéphane"; p.comment = "Pike and burbot under the torch.";
    p.legs = {{12, 18}, {9, 16}, {6, 12}, {0.7, 0, 6}};
    p.ending = Ending::StatusLast;
    add(p);
  }
  {
    DivePlan p = Plan(106, 1998, 7, 18, 16 * 60, 0x01, "Doubs", "Saint-Ursanne");
    p.surfaceInterval = 20160; p.weather = 1; p.airTemperature = 2700; p.suit = 4; p.waterTemperature = 1400;
    p.tankCapacity = 1000; p.airConsumption = 9000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActRiver | kActDrift;
    p.partners = "Anaïs"; p.comment = "Down the river past the old bridge.";
    p.legs = {{6, 10}, {8, 12}, {4, 8}, {0.7, 0, 6}};
    p.effort = 1;
    add(p);
  }
  {
    DivePlan p = Plan(107, 1998, 8, 8, 10 * 60, 0x01, "Mallorca", "Cala Sant Vicenç");
    p.surfaceInterval = 30500; p.weather = 1; p.airTemperature = 2900; p.suit = 3; p.waterTemperature = 2300;
    p.tankCapacity = 1200; p.airConsumption = 15000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActClub | kActExploration;
    p.partners = "Toni (guide)"; p.comment = "Check-out dive, posidonia and groupers.";
    p.legs = {{24, 10}, {18, 14}, {11, 14}, {5, 3}, {0.8, 0, 6}};
    add(p);
  }
  {
    DivePlan p = Plan(108, 1998, 8, 9, 9 * 60 + 30, 0x01, "Mallorca", "Dragonera - Cap Llebeig");
    p.surfaceInterval = 1350; p.weather = 1; p.airTemperature = 2800; p.suit = 3; p.waterTemperature = 2100;
    p.tankCapacity = 1200; p.airConsumption = 17000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActExploration;
    p.partners = "Toni (guide)"; p.comment = "Lost the group at 38 m and came up too fast.";
    p.legs = {{38, 6}, {30, 8}, {22, 4}, {4, 1, 18}, {0.7, 0, 10}};
    p.effort = 1; p.padding = true; p.bubbleBoost = 2;
    add(p);
  }
  {
    DivePlan p = Plan(109, 1998, 8, 10, 11 * 60 + 15, 0x01, "Mallorca", "Cova de sa Dragonera");
    p.surfaceInterval = 1500; p.weather = 2; p.airTemperature = 2700; p.suit = 3; p.waterTemperature = 2000;
    p.tankCapacity = 1200; p.airConsumption = 13500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActCave | kActPhoto;
    p.partners = "Toni (guide), Anaïs"; p.comment = "Air bell at the end of the cave.";
    p.legs = {{16, 6}, {12, 10}, {4, 6}, {15, 8, 10}, {5, 3}, {0.7, 0, 6}};
    add(p);
  }
  {
    DivePlan p = Plan(110, 1998, 8, 12, 14 * 60 + 50, 0x01, "Mallorca", "Pecio del Malgrats");
    p.surfaceInterval = 3000; p.weather = 1; p.airTemperature = 3100; p.suit = 3; p.waterTemperature = 2400;
    p.tankCapacity = 1500; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActWreck;
    p.partners = "Anaïs"; p.comment = "Two small wrecks side by side.";
    p.legs = {{30, 12}, {26, 10}, {15, 8}, {5, 3}, {0.7, 0, 6}};
    p.events = {{20, 23, kRbt}};
    add(p);
  }
  {
    DivePlan p = Plan(111, 1998, 8, 13, 21 * 60 + 30, 0x01, "Mallorca", "Port d'Andratx");
    p.surfaceInterval = 1800; p.weather = 1; p.airTemperature = 2600; p.suit = 3; p.waterTemperature = 2400;
    p.tankCapacity = 1200; p.airConsumption = 9500;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActNight;
    p.partners = "Anaïs"; p.comment = "Octopus hunting crabs.";
    p.legs = {{10, 15}, {8, 20}, {4, 6}, {0.6, 0, 6}};
    p.effort = -1; p.ending = Ending::NoStatus;
    add(p);
  }
  {
    DivePlan p = Plan(112, 1998, 8, 15, 10 * 60 + 20, 0x01, "Mallorca", "El Toro");
    p.surfaceInterval = 2200; p.weather = 1; p.airTemperature = 3000; p.suit = 3; p.waterTemperature = 2300;
    p.tankCapacity = 1200; p.airConsumption = 16500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActPhoto;
    p.partners = "Toni (guide)"; p.comment = "Barracudas. The transmitter lost contact twice.";
    p.legs = {{28, 10}, {20, 12}, {12, 10}, {5, 3}, {0.7, 0, 6}};
    p.events = {{7, 9.5, kNoTransmitter}, {21, 24, kNoTransmitter}};
    add(p);
  }
  {
    DivePlan p = Plan(113, 1998, 10, 17, 8 * 60 + 45, 0x02, "Ägypten", "Ras Mohammed - Shark Reef");
    p.surfaceInterval = 32000; p.weather = 1; p.airTemperature = 3200; p.suit = 2; p.waterTemperature = 2700;
    p.tankCapacity = 1500; p.airConsumption = 19000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActDrift | kActExploration;
    p.partners = "Mahmoud (guide), Anaïs"; p.comment = "Strong current on the plateau, hard fin kicks.";
    p.extraAlarms = kAlarmWork;
    p.legs = {{28, 6}, {22, 10}, {16, 12}, {10, 12}, {5, 3}, {0.7, 0, 6}};
    p.events = {{8, 14, 0, 7}, {14, 18, 0, 6}, {42, 46, kEss}};
    p.effort = 1; p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(114, 1998, 10, 18, 7 * 60 + 15, 0x02, "Ägypten", "SS Thistlegorm");
    p.surfaceInterval = 1300; p.weather = 1; p.airTemperature = 3000; p.suit = 2; p.waterTemperature = 2600;
    p.tankCapacity = 1500; p.airConsumption = 19000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea | kTypeNitrox; p.activity = kActWreck | kActPhoto;
    p.partners = "Mahmoud (guide), Anaïs"; p.comment = "Motorbikes and Bedford trucks in hold 2.";
    p.legs = {{31, 14}, {24, 8}, {16, 6}, {5, 4}, {0.7, 0, 6}};
    p.events = {{11, 15, kRbt}};
    p.ending = Ending::StatusLast;
    add(p);
  }
  {
    DivePlan p = Plan(115, 1998, 10, 19, 9 * 60, 0x02, "Ägypten", "Abu Nuhas - Carnatic");
    p.surfaceInterval = 1400; p.weather = 2; p.airTemperature = 2900; p.suit = 2; p.waterTemperature = 2600;
    p.tankCapacity = 1200; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActWreck;
    p.partners = "Anaïs"; p.comment = "Glassfish inside the stern.";
    p.legs = {{26, 12}, {20, 10}, {12, 14}, {5, 3}, {0.7, 0, 6}};
    add(p);
  }
  {
    DivePlan p = Plan(116, 1998, 10, 20, 8 * 60 + 10, 0x02, "Ägypten", "Jackson Reef");
    p.surfaceInterval = 1330; p.weather = 1; p.airTemperature = 3100; p.suit = 2; p.waterTemperature = 2700;
    p.tankCapacity = 1500; p.airConsumption = 19500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeSea; p.activity = kActExploration;
    p.partners = "Mahmoud (guide)"; p.comment = "Hammerheads in the blue at 43 m, deco stop at 6 m.";
    p.legs = {{43, 7}, {35, 4}, {24, 5}, {12, 4}, {6, 5}, {3, 4}, {0.7, 0, 5}};
    p.events = {{6, 17, kDeco}, {19, 24, kEss}};
    p.effort = 1; p.bubbleBoost = 3;
    add(p);
  }
  {
    DivePlan p = Plan(117, 1998, 10, 21, 14 * 60 + 30, 0x02, "Ägypten", "Ras Umm Sid");
    p.surfaceInterval = 1700; p.weather = 1; p.airTemperature = 3300; p.suit = 2; p.waterTemperature = 2700;
    p.tankCapacity = 1500; p.airConsumption = 17000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActPhoto | kActExploration;
    p.partners = "Anaïs"; p.comment = "Long lazy dive through the gorgonian forest.";
    p.legs = {{16, 20}, {12, 20}, {8, 18}, {5, 6}, {0.7, 0, 5}};
    p.effort = -1; p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(118, 1998, 11, 21, 19 * 60 + 30, 0x01, "Hallenbad Köln", "Übungsbecken");
    p.surfaceInterval = kMissing; p.weather = 0; p.suit = 2; p.waterTemperature = 2800;
    p.tankCapacity = kMissing; p.airConsumption = kMissing;
    p.diveType = kTypeFresh; p.activity = kActEducation | kActInstruction;
    p.other = "Rescue training"; p.partners = "Club evening";
    p.comment = "Computer left in the bag, logged by hand.";
    p.noProfile = true;
    add(p);
  }
  {
    DivePlan p = Plan(119, 1999, 1, 9, 11 * 60, 0x01, "Lac Léman", "Saint-Gingolph - La Becque");
    p.surfaceInterval = kMissing; p.weather = 3; p.airTemperature = 300; p.suit = 6; p.waterTemperature = 500;
    p.tankCapacity = 1200; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration | kActSearch;
    p.other = "Lost anchor"; p.partners = "Stéphane, Jürgen"; p.comment = "Très belle visibilité, 5 degrés au fond.";
    p.legs = {{38, 5}, {32, 5}, {20, 6}, {10, 4}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 2; p.coldEvery = 3; p.bubbleBoost = 1;
    add(p);
  }
  {
    DivePlan p = Plan(120, 1999, 2, 13, 13 * 60 + 30, 0x01, "Tignes", "Lac de Tignes");
    p.altitudeClass = 3; p.surfaceInterval = 5000; p.weather = 6; p.airTemperature = -800; p.suit = 6;
    p.waterTemperature = 200; p.tankCapacity = 1000; p.airConsumption = 10000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActIce | kActClub;
    p.other = "Under the ice, 2100 m"; p.partners = "Stéphane"; p.comment = "Roped to the hole. Cold hands.";
    p.legs = {{8, 8}, {12, 6}, {6, 8}, {0.7, 0, 6}};
    p.coldFrom = 1; p.coldEvery = 2;
    p.ending = Ending::NoStatus;
    add(p);
  }
  {
    DivePlan p = Plan(121, 1999, 3, 27, 10 * 60 + 45, 0x01, "Marseille", "Ile Maïre - Tombant");
    p.surfaceInterval = 26000; p.weather = 4; p.airTemperature = 1400; p.suit = 5; p.waterTemperature = 1300;
    p.tankCapacity = 1200; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActClub;
    p.partners = "Stéphane"; p.comment = "Red gorgonians from 30 m down.";
    p.legs = {{33, 7}, {25, 8}, {14, 10}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 10; p.coldEvery = 7;
    add(p);
  }
  {
    DivePlan p = Plan(122, 1999, 5, 15, 9 * 60 + 50, 0x01, "Lago di Garda", "Punta San Vigilio");
    p.surfaceInterval = 28500; p.weather = 1; p.airTemperature = 1900; p.suit = 6; p.waterTemperature = 700;
    p.tankCapacity = 1500; p.airConsumption = 18500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Statue of Christ at 45 m, then slowly up the slope.";
    p.legs = {{45, 5}, {38, 3}, {28, 5}, {15, 5}, {6, 5}, {3, 6}, {0.7, 0, 5}};
    p.events = {{4, 20, kDeco}};
    p.coldFrom = 3; p.coldEvery = 4; p.bubbleBoost = 2;
    add(p);
  }
  {
    DivePlan p = Plan(123, 1999, 5, 16, 10 * 60 + 5, 0x01, "Lago di Garda", "Torri del Benaco");
    p.surfaceInterval = 1450; p.weather = 2; p.airTemperature = 1800; p.suit = 6; p.waterTemperature = 800;
    p.tankCapacity = 1200; p.airConsumption = 12500;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Buddy tangled in a fishing line, SOS alarm while freeing him.";
    p.legs = {{20, 8}, {17, 10}, {9, 6}, {5, 3}, {0.7, 0, 6}};
    p.events = {{12, 15, kSos, 6}};
    p.coldFrom = 8; p.coldEvery = 8;
    add(p);
  }
  {
    DivePlan p = Plan(124, 1999, 6, 5, 11 * 60 + 30, 0x00, "Tenerife", "Punta de Teno - El Peñón");
    p.surfaceInterval = 29000; p.weather = 1; p.airTemperature = kMissing; p.suit = 4; p.waterTemperature = 1900;
    p.tankCapacity = 1200; p.airConsumption = 14500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActExploration | kActPhoto;
    p.partners = "Anaïs"; p.comment = "Arches and a pair of angel sharks.";
    p.legs = {{21, 10}, {17, 12}, {10, 12}, {5, 3}, {0.7, 0, 6}};
    p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(125, 1999, 6, 6, 9 * 60 + 40, 0x00, "Tenerife", "Las Galletas - Montaña Amarilla");
    p.surfaceInterval = 1300; p.weather = 1; p.airTemperature = 2300; p.suit = 4; p.waterTemperature = 1900;
    p.tankCapacity = 1200; p.airConsumption = 4000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActExploration;
    p.partners = "Anaïs"; p.comment = "Aborted: ear would not clear.";
    p.legs = {{6, 2}, {14, 3}, {4, 3}, {0.7, 0, 6}};
    p.divingTimeOverride = kMissing;
    add(p);
  }
  {
    DivePlan p = Plan(126, 1999, 6, 26, 10 * 60 + 15, 0x01, "Elba", "Secca di Capo Fonza");
    p.modelCode = 0xA4;
    p.surfaceInterval = 28820; p.weather = 1; p.airTemperature = 2650; p.suit = 4; p.waterTemperature = 1840;
    p.tankCapacity = 1200; p.airConsumption = 16500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeSea | kTypeNitrox; p.activity = kActExploration | kActPhoto;
    p.other = "Nitrox 32"; p.partners = "Anaïs";
    p.comment = "First dive with the new oxygen computer. Red coral at 36 m, up too fast from the arch.";
    p.legs = {{36, 6}, {28, 6}, {18, 8, 15}, {9, 6}, {5, 4}, {0.7, 0, 6}};
    p.events = {{6, 11, kDeco}, {33, 37, kEss, 6}};
    p.coldFrom = 20; p.coldEvery = 6; p.bubbleBoost = 1;
    p.ending = Ending::StatusLast;
    add(p);
  }
  return dives;
}

}  // namespace example
