// Resource ids of the screen saver.
#ifndef WHIRLMARK_SAVER_RESOURCE_H
#define WHIRLMARK_SAVER_RESOURCE_H

#define IDS_DESCRIPTION 1   // the saver's name in the system's list of screen savers
#define IDS_SAMPLE_NOTE 2   // the note at the top of the configuration dialog

#endif
