// The five device models as the tests know them, written out by hand apart from the panel's
// own tables (state/model_traits.h, state/vocabulary.h), so that a wrong number on the panel's
// side fails a test instead of being copied into its expectation.
#pragma once

inline constexpr int TestModelCount = 5;
inline constexpr const char *TestModelNames[TestModelCount]
    = {"Halden", "Corvo", "Marlet", "Tessin", "Brimo"};
// Inputs a window can show.
inline constexpr int TestInputCounts[TestModelCount] = {5, 4, 9, 9, 5};
// Audio sources: window 1, the inputs, then the model's extra sources.
inline constexpr int TestAudioSourceCounts[TestModelCount] = {6, 5, 11, 14, 6};
// Highest audio volume (and highest microphone level shown).
inline constexpr int TestVolumeMaximum[TestModelCount] = {100, 100, 100, 50, 100};
