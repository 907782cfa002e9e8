# What the screen shows, counted with ImageMagick. Sourced by the package tests.
#   shot FILE                          a screenshot of the whole screen
#   crop_geometry W H X Y              an ImageMagick crop geometry
#   count_pixels FILE CROP COLOUR      how many pixels of the crop are of that kind (an -fx test)
#   changed_pixels FILE1 FILE2 CROP    how many pixels of the crop differ between two screenshots

# The diagram's and the About picture's red lines, and the black of their axes and text.
RED='r>0.6 && g<0.35 && b<0.35'
BLACK='r<0.2 && g<0.2 && b<0.2'

shot() {
    import -window root "$1"
}

crop_geometry() {
    echo "${1}x${2}+${3}+${4}"
}

count_pixels() {
    convert "$1" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:
}

changed_pixels() {
    local count status=0
    count=$(compare -metric AE -extract "$3" "$1" "$2" null: 2>&1) || status=$?
    # Status 1 says that the images differ; above that, that compare failed.
    [ "$status" -le 1 ] || fail "compare failed on $1 and $2: $count"
    echo "$count"
}
