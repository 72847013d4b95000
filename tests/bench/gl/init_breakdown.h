// The breakdown of InitScene's start-up time.
#pragma once

// Runs InitScene's steps one by one on a window of its own and prints each one's time:
// context, model read (normals within it), each texture's decode, scale and mipmaps, and
// the display lists.
void PrintInitSceneBreakdown();
