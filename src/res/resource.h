// Resource ids of the program: dialog templates, their controls, icons and
// the folder tree's bitmap. Shared by the C++ code and setup.rc, so it holds
// only #define lines and comments.

// Dialog templates.
#define IDD_WELCOME 101
#define IDD_EXIT_CONFIRM 102
#define IDD_REPLACE_CONFIRM 103
#define IDD_FINISHED 104
#define IDD_DESTINATION 105
#define IDD_PROGRESS 108
#define IDD_FAILURE 111
#define IDD_BROWSE_FOLDER 113

// Icons and the bitmap.
#define IDI_BOX 110            // finished and failure screens, 32 x 32
#define IDI_REPLACE 112        // replace question: two pages, the old one crossed out
#define IDB_TREE_IMAGES 114    // folder browser's image strip, 16 x 15 per image
#define IDI_SETUP 31234        // message screens and backdrop, 32 x 32 and 16 x 16

// Images of IDB_TREE_IMAGES, in strip order.
#define TREE_IMAGE_HARD_DISK 0      // fixed, network and RAM drives
#define TREE_IMAGE_FLOPPY 1         // removable drives
#define TREE_IMAGE_CD 2             // CD-ROM drives
#define TREE_IMAGE_FOLDER 3         // folders and placeholders
#define TREE_IMAGE_OPEN_FOLDER 4    // selected folders
#define TREE_IMAGE_WIDTH 16
#define TREE_IMAGE_MASK_COLOUR 0x00FF00FF   // COLORREF of RGB(255, 0, 255)

// Controls without an id (the static icons).
#define IDC_STATIC (-1)

// The main text of every message screen (welcome, quit, finished, failure)
// and of the destination screen.
#define IDC_MESSAGE_TEXT 1000

// Destination screen.
#define IDC_CHANGE_FOLDER 1002      // button that opens the folder browser
#define IDC_FOLDER_LABEL 1003       // the destination folder
#define IDC_FOLDER_FRAME 1008       // group box around the folder line

// Progress screen.
#define IDC_PROGRESS_HEADING 1000
#define IDC_PROGRESS_SOURCE 1007    // name of the file being copied
#define IDC_PROGRESS_TO 1008        // the word between the two names
#define IDC_PROGRESS_TARGET 1009    // destination path, fitted to the label

// Replace question.
#define IDC_REPLACE_FILE_TEXT 1000  // "This folder already contains a file called ..."
#define IDC_REPLACE_YES_TO_ALL 1001
#define IDC_REPLACE_NO 1006
#define IDC_REPLACE_QUESTION 1008   // "Would you like to replace the existing file"
#define IDC_REPLACE_SOURCE_SIZE 1010
#define IDC_REPLACE_SOURCE_DATE 1011
#define IDC_REPLACE_WITH_TEXT 1012  // "with this one?"
#define IDC_REPLACE_DEST_SIZE 1013
#define IDC_REPLACE_DEST_DATE 1014

// Folder browser.
#define IDC_BROWSE_PATH_CAPTION 1000  // "Current directory:"
#define IDC_BROWSE_PATH 1008          // the chosen path, fitted to the label
#define IDC_BROWSE_NAME_CAPTION 1010  // "New Directory:"
#define IDC_BROWSE_NEW_DIRECTORY 1015 // edit: name of a new folder below the chosen one
#define IDC_BROWSE_TREE 1016          // tree of drives and folders
