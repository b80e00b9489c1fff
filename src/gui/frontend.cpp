// The widget front end comes here.
