#pragma once

#include <string>

class CBookScenario;

// Checks every derived column of the book (each row's unit cost, average cost and on-hand, each
// product's stock and average, the running value) against every history walked from its first
// row, as the rules read; fails the running test with the step's name where they differ.
void ExpectHistoriesMatchAFullWalk(CBookScenario& book, const std::string& step);
