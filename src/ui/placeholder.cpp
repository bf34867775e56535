// The Qt Widgets window lives in this folder.
