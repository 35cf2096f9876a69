#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/Project.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using ::testing::ElementsAre;

struct SpeciesData {
  const char* name;
  int s;
  int t;
  float CCdef;
};

class ContaminantsTest : public ::testing::Test {
 protected:
  ContaminantsTest() { project.addLevel(nullptr); }
  void define(std::initializer_list<SpeciesData> list) {
    for (const SpeciesData& given : list) {
      Species s;
      s.name = given.name;
      s.s = static_cast<std::int16_t>(given.s);
      s.t = static_cast<std::int16_t>(given.t);
      s.CCdef = given.CCdef;
      project.species.addElement(s);
    }
  }
  void simulate(const char* name, int s) {
    project.species.findElement(name)->s = static_cast<std::int16_t>(s);
  }
  std::vector<std::string> contaminantNames() const {
    std::vector<std::string> out;
    for (Ref<Species> r : project.contaminants) out.push_back(project.species.find(r)->name);
    return out;
  }
  Diagnostics d;
  Project project;
};

TEST_F(ContaminantsTest, OnlySimulatedSpeciesAreContaminants) {
  define({{"a", 0, 0, 0.1f}, {"b", 1, 0, 0.2f}});
  ASSERT_TRUE(project.setContaminants(d.reporter));
  EXPECT_THAT(contaminantNames(), ElementsAre("b"));
  EXPECT_THAT(project.contaminantDefaults, ElementsAre(0.2f));
  EXPECT_THAT(project.zones.at(project.addZone(project.newZone()))->CC0, ElementsAre(0.2f));
  EXPECT_EQ(project.settings.runControl.tsdens, 0);
}

TEST_F(ContaminantsTest, NonTraceComeFirstByDescendingDefaultThenTraceInListOrder) {
  define({{"c1", 1, 1, 0.2f},
          {"c2", 1, 1, 0.5f},
          {"c3", 1, 1, 0.3f},
          {"t1", 1, 0, 9.0f},
          {"t2", 1, 0, 1.0f}});
  ASSERT_TRUE(project.setContaminants(d.reporter));
  EXPECT_THAT(contaminantNames(), ElementsAre("c2", "c3", "c1", "t1", "t2"));
  EXPECT_EQ(project.settings.runControl.tsdens, 1);
  EXPECT_EQ(project.waterVapour, -1);
}

TEST_F(ContaminantsTest, WaterVapourIsLeftOutOfTheSumAndFound) {
  define({{"H2O", 1, 1, 0.01f}, {"N2", 1, 1, 0.79f}, {"O2", 1, 1, 0.21f}});
  ASSERT_TRUE(project.setContaminants(d.reporter));
  EXPECT_THAT(contaminantNames(), ElementsAre("N2", "O2", "H2O"));
  EXPECT_EQ(project.findWaterVapour(), 2);
  EXPECT_EQ(project.waterVapour, 2);
}

struct RefusalCase {
  std::vector<SpeciesData> species;
  const char* message;
};

class ContaminantRefusalTest : public ContaminantsTest,
                               public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ContaminantRefusalTest, ARefusedListChangesNothing) {
  define({{"old", 1, 0, 0.5f}});
  ASSERT_TRUE(project.setContaminants(d.reporter));
  int z = project.addZone(project.newZone());
  project.zones.at(z)->CC0 = {0.7f};
  for (const SpeciesData& s : GetParam().species) define({s});

  EXPECT_FALSE(project.setContaminants(d.reporter));
  EXPECT_THAT(d.messages(), ElementsAre(GetParam().message));
  EXPECT_THAT(contaminantNames(), ElementsAre("old"));
  EXPECT_THAT(project.zones.at(z)->CC0, ElementsAre(0.7f));
  EXPECT_EQ(project.settings.runControl.tsdens, 0);
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ContaminantRefusalTest,
    ::testing::Values(RefusalCase{{{"air", 1, 1, 1.0f}},
                                  "More than one non-trace contaminants required."},
                      RefusalCase{{{"N2", 1, 1, 0.7f}, {"O2", 1, 1, 0.2f}},
                                  "Concentrations of non-trace contaminants should sum to 1"},
                      RefusalCase{{{"N2", 1, 1, 0.8f}, {"O2", 1, 1, 0.3f}},
                                  "Concentrations of non-trace contaminants should sum to 1"}));

TEST_F(ContaminantsTest, ChangingTheSelectionResetsInitialConcentrationsKeepingItDoesNot) {
  define({{"a", 1, 0, 0.1f}, {"b", 0, 0, 0.2f}});
  ASSERT_TRUE(project.setContaminants(d.reporter));
  int z = project.addZone(project.newZone());
  int j = project.addJunction(project.newJunction(158));
  int e = project.addExposure(project.newExposure());
  project.zones.at(z)->CC0 = {0.9f};
  project.junctions.at(j)->CC0 = {0.8f};

  ASSERT_TRUE(project.setContaminants(d.reporter));
  EXPECT_THAT(project.zones.at(z)->CC0, ElementsAre(0.9f));
  EXPECT_THAT(project.junctions.at(j)->CC0, ElementsAre(0.8f));

  simulate("b", 1);
  ASSERT_TRUE(project.setContaminants(d.reporter));
  EXPECT_THAT(project.zones.at(z)->CC0, ElementsAre(0.1f, 0.2f));
  EXPECT_THAT(project.junctions.at(j)->CC0, ElementsAre(0.1f, 0.2f));
  EXPECT_EQ(project.exposures.at(e)->exposure.size(), 2u);
  EXPECT_EQ(project.exposures.at(e)->dose.size(), 2u);

  simulate("a", 0);
  simulate("b", 0);
  ASSERT_TRUE(project.setContaminants(d.reporter));
  EXPECT_EQ(project.nctm(), 0);
  EXPECT_TRUE(project.zones.at(z)->CC0.empty());
  EXPECT_TRUE(project.exposures.at(e)->dose.empty());
}

TEST_F(ContaminantsTest, EditedDefaultsOfAnUnchangedListRefreshOnlyTheDefaults) {
  define({{"a", 1, 0, 0.1f}});
  ASSERT_TRUE(project.setContaminants(d.reporter));
  int z = project.addZone(project.newZone());
  project.species.findElement("a")->CCdef = 0.4f;
  ASSERT_TRUE(project.setContaminants(d.reporter));
  EXPECT_THAT(project.contaminantDefaults, ElementsAre(0.4f));
  EXPECT_THAT(project.zones.at(z)->CC0, ElementsAre(0.1f));
}

}  // namespace
}  // namespace mz
